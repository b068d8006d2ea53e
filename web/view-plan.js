'use strict';
// Kanalplan: a list's lines, typed or opened from a file, to a table of its
// rows, its CSV and its printable cards. A large plan's table shows its start
// at once, and the rest of its first rows a moment later.

function planView(page) {
  const {core} = page;
  const shownRows = 2000;
  const firstRows = 100;
  const largestFile = 2 * 1024 * 1024;
  let moreRows = 0;
  let csvTimer = 0;
  let planTimer = 0;
  let fileNotice = '';
  let csvUrl = '';
  const variant = () => Number($('plan-variant').value);
  const state = () => ({view: 'plan', lines: $('plan-input').value, variant: variant()});

  function updateCsv() {
    const delimiter = $('delimiter').value;
    const csv = core.sheet($('plan-input').value, 'csv', delimiter.charCodeAt(0), variant()).text;
    if (csvUrl) URL.revokeObjectURL(csvUrl);
    csvUrl = URL.createObjectURL(new Blob([csv], {type: 'text/csv;charset=utf-8'}));
    $('csv').href = csvUrl;
  }

  function notices(got, shown) {
    const lines = [fileNotice];
    const refused = got.avvisade;
    if (refused) lines.push(`${refused} ${refused === 1 ? 'rad' : 'rader'} gav inget; se listan.`);
    if (tooLongForLink(shown)) lines.push('Listan är för lång för en länk; spara den som fil i stället.');
    return lines.filter(Boolean).join('\n');
  }

  function show(lines, planVariant) {
    if ($('plan-input').value !== lines) $('plan-input').value = lines;
    $('plan-variant').value = String(planVariant);
    const got = core.plan(lines, planVariant, firstRows);
    fillTable($('plan'), got.rader, got.obs);
    clearTimeout(moreRows);
    if (got.antal > firstRows) {
      afterFrame(() => {
        moreRows = setTimeout(() => {
          const more = core.plan(lines, planVariant, shownRows);
          fillTable($('plan'), more.rader.slice(firstRows), more.obs.slice(firstRows), true);
        }, 0);
      });
    }
    $('plan').caption.textContent = got.antal > shownRows
      ? `Kanalplanen: de första ${shownRows} av ${got.antal} raderna; CSV har alla`
      : 'Kanalplanen';
    $('plan-messages').replaceChildren(...got.meddelanden.map((text) => element('li', '', text)));
    page.say('plan', notices(got, {view: 'plan', lines, variant: planVariant}));
    page.speak(`${got.antal} ${got.antal === 1 ? 'rad' : 'rader'} i kanalplanen`);
    // The CSV is made once the table is on screen.
    clearTimeout(csvTimer);
    afterFrame(() => {
      clearTimeout(csvTimer);
      csvTimer = setTimeout(updateCsv, 0);
    });
  }

  // A list from a file is read as delartal-plan reads standard input, here
  // in the page: the file never leaves the device.
  async function openList(file) {
    if (file.size > largestFile) {
      page.say('plan', `Filen ${file.name} är större än 2 MiB; dela upp listan.`);
      return;
    }
    const got = core.listText(new Uint8Array(await file.arrayBuffer()), file.size);
    fileNotice = got.meddelanden.join('\n');
    page.go({view: 'plan', lines: got.text, variant: variant()}, false);
  }

  $('plan-file').addEventListener('change', () => {
    const [file] = $('plan-file').files;
    if (file) openList(file);
    $('plan-file').value = '';
  });
  const area = $('plan-input');
  area.addEventListener('dragover', (event) => {
    if (!event.dataTransfer.types.includes('Files')) return;
    event.preventDefault();
    area.classList.add('dropping');
  });
  area.addEventListener('dragleave', () => area.classList.remove('dropping'));
  area.addEventListener('drop', (event) => {
    area.classList.remove('dropping');
    const [file] = event.dataTransfer.files;
    if (!file) return;
    event.preventDefault();
    openList(file);
  });
  area.addEventListener('input', () => {
    fileNotice = '';
    clearTimeout(planTimer);
    planTimer = setTimeout(() => page.go(state(), false), 150);
  });
  $('plan-variant').addEventListener('change', () => page.go(state(), false));
  $('delimiter').addEventListener('change', updateCsv);
  $('print').addEventListener('click', () => {
    printCards(core.sheet($('plan-input').value, 'html', 44, variant()).text, page.tell);
  });
  return {show: (s) => show(s.lines, s.variant), state};
}
