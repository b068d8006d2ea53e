'use strict';
// The bridge to the core compiled to WebAssembly: each entry point takes text
// and numbers and gives one JSON object, parsed here. Every divider, line,
// pattern, report, notice, message, drawing and sheet is the core's.

function bridgeTo(core) {
  const entry = (name, ...types) => {
    const call = core.cwrap(name, 'string', types);
    return (...args) => JSON.parse(call(...args));
  };
  return {
    forward: entry('delartal_forward', 'string', 'number'),
    reverse: entry('delartal_reverse', 'string', 'number'),
    plan: entry('delartal_plan', 'string', 'number', 'number'),
    sheet: entry('delartal_sheet', 'string', 'string', 'number', 'number'),
    card: entry('delartal_card', 'string', 'number', 'number'),
    drawing: entry('delartal_drawing', 'number'),
    listText: entry('delartal_list_text', 'array', 'number'),
    layout: entry('delartal_layout')(),
  };
}
