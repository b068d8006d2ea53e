'use strict';
// Kanalplan: a list's lines, typed or opened from a file, to a table of its
// rows, its CSV and its printable cards. The table's start is asked for
// first and shown at once; the rest of its first rows come a moment later.
// The CSV is made when it is asked for.

function planView(page) {
  const {core} = page;
  const shownRows = 2000;
  const firstRows = 40;
  const largestFile = 2 * 1024 * 1024;
  // A browser lays out a long text in a field slowly, about a second for
  // 100 KiB: a larger list from a file or a link is held here, and the field
  // left empty.
  const largestInField = 16 * 1024;
  let held = null;
  // Counts the plans shown, so that the rest of an older one is never added.
  let shownPlans = 0;
  let planTimer = 0;
  let fileNotice = '';
  let csvUrl = '';
  const variant = () => Number($('plan-variant').value);
  const lines = () => held ?? $('plan-input').value;
  const state = () => ({view: 'plan', lines: lines(), variant: variant()});
  // Each row says in words, as its card does, that its divider does not fit
  // the matrix, and the core's notice where the frequency is not its channel.
  const withRemarks = (rows, notices) => rows.map((row, index) => ({
    ...row, obs: [row.i_matrisen ? '' : core.layout.ryms_inte, notices[index]].filter(Boolean).join(' ')}));

  // The link is given its file as it is followed, or the page says why not.
  function makeCsv(event) {
    const delimiter = $('delimiter').value;
    const got = core.sheet(lines(), 'csv', delimiter.charCodeAt(0), variant());
    if (got.stopp) {
      event.preventDefault();
      page.say('plan', got.stopp);
      return;
    }
    if (csvUrl) URL.revokeObjectURL(csvUrl);
    csvUrl = URL.createObjectURL(new Blob([got.text], {type: 'text/csv;charset=utf-8'}));
    $('csv').href = csvUrl;
  }

  function notices(got, shown) {
    const said = [got.stopp, fileNotice];
    const refused = got.avvisade;
    if (refused) said.push(`${refused} ${refused === 1 ? 'rad' : 'rader'} gav inget; se listan.`);
    if (held) said.push('Listan är för stor att visa i fältet; planen görs av hela listan.');
    if (tooLongForLink(shown)) said.push('Listan är för lång för en länk; spara den som fil i stället.');
    return said.filter(Boolean).join('\n');
  }

  function show(text, planVariant) {
    // A list typed in the field stays there, whatever its length.
    const typed = $('plan-input').value === text;
    held = !typed && text.length > largestInField ? text : null;
    if (!typed) $('plan-input').value = held ? '' : text;
    $('plan-variant').value = String(planVariant);
    const got = core.plan(text, planVariant, firstRows);
    fillTable($('plan'), withRemarks(got.rader, got.obs), got.obs);
    const plan = ++shownPlans;
    if (got.antal > firstRows) {
      afterFrame(() => {
        if (plan !== shownPlans) return;
        const more = core.plan(text, planVariant, shownRows);
        const rows = more.rader.slice(firstRows);
        const offChannel = more.obs.slice(firstRows);
        fillTable($('plan'), withRemarks(rows, offChannel), offChannel, true);
      });
    }
    const all = got.stopp ? '' : '; CSV har alla';
    $('plan').caption.textContent = got.antal > shownRows
      ? `Kanalplanen: de första ${shownRows} av ${got.antal} raderna${all}`
      : 'Kanalplanen';
    $('plan-messages').replaceChildren(...got.meddelanden.map((text) => element('li', '', text)));
    page.say('plan', notices(got, {view: 'plan', lines: text, variant: planVariant}));
    page.speak(`${got.antal} ${got.antal === 1 ? 'rad' : 'rader'} i kanalplanen`);
    performance.mark('delartal-plan-shown');
  }

  // A list from a file is read as delartal-plan reads standard input, here
  // in the page: the file never leaves the device.
  async function openList(file) {
    if (file.size > largestFile) {
      page.say('plan', `Filen ${file.name} är större än 2 MiB; dela upp listan.`);
      return;
    }
    let got;
    try {
      got = core.listText(new Uint8Array(await file.arrayBuffer()));
    } catch (error) {
      page.say('plan', error.message);
      return;
    }
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
    held = null;
    clearTimeout(planTimer);
    planTimer = setTimeout(() => page.go(state(), false), 150);
  });
  $('plan-variant').addEventListener('change', () => page.go(state(), false));
  $('csv').addEventListener('click', makeCsv);
  $('print').addEventListener('click', () => {
    const got = core.sheet(lines(), 'html', 44, variant());
    if (got.stopp) page.say('plan', got.stopp);
    else printCards(got.text, page.tell);
  });
  return {show: (s) => show(s.lines, s.variant), state};
}
