'use strict';
// The bridge to the core compiled to WebAssembly: each entry point takes text
// and numbers and gives one JSON object, parsed here. Every divider, line,
// pattern, report, notice, message, drawing and sheet is the core's.

function bridgeTo(core) {
  const encoder = new TextEncoder();

  // Bytes put in the core's heap for one call, NUL after them, and freed
  // after it: a list of megabytes would overflow the stack, where cwrap puts
  // a string or an array.
  function onHeap(bytes, use) {
    const at = core._malloc(bytes.length + 1);
    if (!at) throw new RangeError('Texten får inte plats i sidans minne.');
    try {
      core.HEAPU8.set(bytes, at);
      core.HEAPU8[at + bytes.length] = 0;
      return use(at);
    } finally {
      core._free(at);
    }
  }

  // An entry point whose arguments are texts and numbers, as `kinds` says.
  const entry = (name, ...kinds) => {
    const call = core.cwrap(name, 'string', kinds.map(() => 'number'));
    return (...args) => {
      const pointers = [];
      const next = (index) => {
        if (index === args.length) return JSON.parse(call(...pointers));
        if (kinds[index] !== 'string') {
          pointers.push(args[index]);
          return next(index + 1);
        }
        return onHeap(encoder.encode(args[index]), (at) => {
          pointers.push(at);
          return next(index + 1);
        });
      };
      return next(0);
    };
  };

  // A file's bytes as they are, NULs and all, with their length.
  const listBytes = entry('delartal_list_text', 'number', 'number');
  const listText = (bytes) => onHeap(bytes, (at) => listBytes(at, bytes.length));

  return {
    forward: entry('delartal_forward', 'string', 'number'),
    reverse: entry('delartal_reverse', 'string', 'number'),
    plan: entry('delartal_plan', 'string', 'number', 'number'),
    sheet: entry('delartal_sheet', 'string', 'string', 'number', 'number'),
    card: entry('delartal_card', 'string', 'number', 'number'),
    drawing: entry('delartal_drawing', 'number'),
    listText,
    layout: entry('delartal_layout')(),
  };
}
