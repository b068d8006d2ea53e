'use strict';
// Wires the page to the core compiled to WebAssembly: it reads the fields,
// hands their text to the core's entry points and shows what they give.
// Every divider, line, pattern, report, message, drawing and sheet is the
// core's.

const $ = (id) => document.getElementById(id);

// What a table shows of a row: the CSV's fields that its header names, in
// the header's order, each cell named by its column for a narrow screen.
const cellText = (value) => (typeof value === 'boolean' ? (value ? 'ja' : 'nej') : String(value));

function fillTable(table, rows, append = false) {
  const columns = [...table.tHead.rows[0].cells].map((th) => [th.dataset.field, th.textContent]);
  const body = document.createDocumentFragment();
  for (const row of rows) {
    const tr = document.createElement('tr');
    // A frequency shown as another than its divider's channel, as the card marks it.
    const offChannel = 'visad' in row && row.visad !== row.kanal;
    if (offChannel) tr.className = 'off-channel';
    for (const [field, label] of columns) {
      const td = document.createElement('td');
      td.textContent = cellText(row[field]);
      td.dataset.field = field;
      td.dataset.label = label;
      if (offChannel && field === 'kanal') td.title = `Obs: inte ${row.visad}`;
      tr.append(td);
    }
    body.append(tr);
  }
  if (append) table.tBodies[0].append(body);
  else table.tBodies[0].replaceChildren(body);
}

// Runs `then` once the next frame is drawn, so that what is on screen shows
// before more work.
const afterFrame = (then) => requestAnimationFrame(() => setTimeout(then, 0));

function element(tag, className, text) {
  const node = document.createElement(tag);
  if (className) node.className = className;
  if (text !== undefined) node.textContent = text;
  return node;
}

function start(core) {
  const entry = (name, ...types) => {
    const call = core.cwrap(name, 'string', types);
    return (...args) => JSON.parse(call(...args));
  };
  const forward = entry('delartal_forward', 'string', 'number');
  const reverse = entry('delartal_reverse', 'string', 'number');
  const plan = entry('delartal_plan', 'string', 'number', 'number');
  const sheet = entry('delartal_sheet', 'string', 'string', 'number', 'number');
  const card = entry('delartal_card', 'string', 'number', 'number');
  const drawing = entry('delartal_drawing', 'number');
  const listText = entry('delartal_list_text', 'array', 'number');
  const layout = entry('delartal_layout')();
  let drawn = -1;

  const views = {forward: $('view-forward'), reverse: $('view-reverse'), plan: $('view-plan')};
  const messages = {forward: '', reverse: '', plan: ''};
  let current = 'forward';

  const say = (view, text) => {
    messages[view] = text;
    if (view === current) $('message').textContent = text;
  };
  // A new result, heard once in a few words; the same result again is not.
  const speak = (text) => {
    if ($('result-status').textContent !== text) $('result-status').textContent = text;
  };

  // The cards print from a page of their own, written by this one, so that
  // printing works from the single file on disk as from the site.
  function printCards(html) {
    const page = window.open('', '_blank');
    if (!page) {
      say(current, 'Webbläsaren lät inte sidan öppna korten; tillåt popup-fönster för sidan.');
      return;
    }
    page.document.open();
    page.document.write(html);
    page.document.close();
    page.focus();
    page.print();
  }

  // Frekvens -> dioder.
  function showForward(variant, text) {
    $(`variant-${variant}`).checked = true;
    if ($('frequency').value !== text) $('frequency').value = text;
    const result = $('forward-result');
    if (text.trim() === '') {
      result.hidden = true;
      $('report').textContent = '';
      say('forward', '');
      speak('');
      return;
    }
    const got = forward(text, variant);
    const row = got.rader[0];
    if (!row) {
      result.hidden = true;
      $('report').textContent = '';
      say('forward', got.meddelanden.join('\n'));
      speak('');
      return;
    }
    $('divider').textContent = row.delartal;
    $('channel-frequency').textContent = row.kanal;
    $('iaru').textContent = row.iaru ? `, ${row.iaru}` : '';
    $('fits').textContent = row.i_matrisen
      ? 'Ryms i matrisen.'
      : 'Ryms inte i matrisen: den har plats för delartal 0–1999.';
    if (row.delartal !== drawn) {
      const drawings = drawing(row.delartal);
      $('drawing').innerHTML = drawings.matris + drawings.smal;
      drawn = row.delartal;
    }
    const ticks = $('ticks');
    ticks.replaceChildren(ticks.querySelector('legend'));
    for (const line of row.dioder.split(' ').filter((name) => /^[A-M]$/.test(name))) {
      const label = document.createElement('label');
      const box = document.createElement('input');
      box.type = 'checkbox';
      label.append(box, ` ${line}`);
      ticks.append(label);
    }
    ticks.hidden = ticks.children.length === 1;
    $('report').textContent = got.rapport;
    result.hidden = false;
    say('forward', got.obs);
    speak(`Delartal ${row.delartal}: ${row.dioder || 'inga dioder'}`);
  }

  $('card-forward').addEventListener('click', () => {
    printCards(card($('frequency').value, 0, $('variant-2').checked ? 2 : 1).text);
  });

  // Dioder -> frekvens: the drawn matrix is the input.
  const toggles = [];
  for (const [group, name] of layout.grupper.entries()) {
    const box = document.createElement('div');
    box.className = 'group';
    box.setAttribute('role', 'group');
    box.setAttribute('aria-label', name);
    box.append(element('span', 'group-name', name));
    for (const line of layout.platser.slice(4 * group, 4 * group + 4)) {
      if (line === '') {
        const none = element('span', 'no-line', '–');
        none.title = 'ingen linje';
        box.append(none);
        continue;
      }
      const button = element('button', 'toggle', line);
      button.type = 'button';
      button.id = `line-${line}`;
      button.setAttribute('aria-pressed', 'false');
      button.setAttribute('aria-label', `Linje ${line}`);
      button.addEventListener('click', () => {
        button.setAttribute('aria-pressed', String(button.getAttribute('aria-pressed') !== 'true'));
        const board = toggles.filter((t) => t.getAttribute('aria-pressed') === 'true')
            .map((t) => t.textContent).join(' ');
        go({view: 'reverse', board}, false);
      });
      toggles.push(button);
      box.append(button);
    }
    $('lines').append(box);
  }

  // Each variant's answer first, in words, above the table.
  function summarize(rows) {
    const summary = $('reverse-summary');
    summary.replaceChildren(...rows.map((row) => {
      const part = element('section', 'variant-summary');
      part.append(element('h3', '', `Variant ${row.variant}`));
      const channel = element('p', 'channel-large', 'Kanal ');
      channel.append(element('strong', '', row.kanal), ` MHz${row.iaru ? `, ${row.iaru}` : ''}`);
      part.append(channel,
          element('p', '', `Delartal ${row.delartal}, ${row.i_matrisen ? 'ryms' : 'ryms inte'} i matrisen`),
          element('p', '', `Från ${row.fran} till ${row.till} MHz`));
      return part;
    }));
    speak(rows.map((row) => `Variant ${row.variant}: kanal ${row.kanal} MHz, delartal ${row.delartal}`)
        .join('. '));
  }

  function showReverse(board) {
    if ($('board').value !== board) $('board').value = board;
    const got = board.trim() === '' ? {rader: [], meddelanden: []} : reverse(board, 0);
    fillTable($('reverse'), got.rader);
    summarize(got.rader);
    $('card-reverse').hidden = got.rader.length === 0;
    // The toggles show the board the field holds, and none where it holds none.
    const lines = new Set(got.rader[0] ? got.rader[0].dioder.split(' ') : []);
    toggles.forEach((t) => t.setAttribute('aria-pressed', String(lines.has(t.textContent))));
    say('reverse', got.meddelanden.join('\n'));
  }

  $('card-reverse').addEventListener('click', () => printCards(card($('board').value, 1, 0).text));

  // Kanalplan. A link holds the plan's text; past this length a link would
  // outgrow what browsers and messages take, and the page says so instead.
  // A large plan's table shows its start at once, and the rest of its first
  // rows a moment later.
  const shownRows = 2000;
  const firstRows = 100;
  let moreRows = 0;
  const longestLink = 256 * 1024;
  const largestFile = 2 * 1024 * 1024;
  let fileNotice = '';
  let csvUrl = '';
  const planVariant = () => Number($('plan-variant').value);

  function showPlan(lines, variant) {
    if ($('plan-input').value !== lines) $('plan-input').value = lines;
    $('plan-variant').value = String(variant);
    const got = plan(lines, variant, firstRows);
    fillTable($('plan'), got.rader);
    clearTimeout(moreRows);
    if (got.antal > firstRows) {
      afterFrame(() => {
        moreRows = setTimeout(() => {
          fillTable($('plan'), plan(lines, variant, shownRows).rader.slice(firstRows), true);
        }, 0);
      });
    }
    $('plan').caption.textContent = got.antal > shownRows
      ? `Kanalplanen: de första ${shownRows} av ${got.antal} raderna; CSV har alla`
      : 'Kanalplanen';
    $('plan-messages').replaceChildren(...got.meddelanden.map((text) => element('li', '', text)));
    const refused = got.avvisade;
    const notices = [fileNotice];
    if (refused) notices.push(`${refused} ${refused === 1 ? 'rad' : 'rader'} gav inget; se listan.`);
    if (tooLongForLink({view: 'plan', lines, variant})) {
      notices.push('Listan är för lång för en länk; spara den som fil i stället.');
    }
    say('plan', notices.filter(Boolean).join('\n'));
    speak(`${got.antal} ${got.antal === 1 ? 'rad' : 'rader'} i kanalplanen`);
    // The CSV is made once the table is on screen.
    clearTimeout(csvTimer);
    afterFrame(() => {
      clearTimeout(csvTimer);
      csvTimer = setTimeout(updateCsv, 0);
    });
  }

  let csvTimer = 0;
  function updateCsv() {
    const delimiter = $('delimiter').value;
    const csv = sheet($('plan-input').value, 'csv', delimiter.charCodeAt(0), planVariant()).text;
    if (csvUrl) URL.revokeObjectURL(csvUrl);
    csvUrl = URL.createObjectURL(new Blob([csv], {type: 'text/csv;charset=utf-8'}));
    $('csv').href = csvUrl;
  }

  $('print').addEventListener('click', () => {
    printCards(sheet($('plan-input').value, 'html', 44, planVariant()).text);
  });

  // A list from a file is read as delartal-plan reads standard input, here
  // in the page: the file never leaves the device.
  async function openList(file) {
    if (file.size > largestFile) {
      say('plan', `Filen ${file.name} är större än 2 MiB; dela upp listan.`);
      return;
    }
    const got = listText(new Uint8Array(await file.arrayBuffer()), file.size);
    fileNotice = got.meddelanden.join('\n');
    go({view: 'plan', lines: got.text, variant: planVariant()}, false);
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

  // The state lives in the URL fragment; each view is a step of the history.
  function stateOf(hash) {
    const params = new URLSearchParams(hash.slice(1));
    const variant = params.get('v');
    if (params.has('r')) return {view: 'reverse', board: params.get('r')};
    if (params.has('plan')) {
      return {view: 'plan', lines: params.get('plan'), variant: ['1', '2'].includes(variant) ? Number(variant) : 0};
    }
    return {view: 'forward', variant: variant === '2' ? 2 : 1, frequency: params.get('f') ?? ''};
  }

  function hashOf(state) {
    if (state.view === 'reverse') return `#r=${encodeURIComponent(state.board)}`;
    if (state.view === 'plan') {
      return `#plan=${encodeURIComponent(state.lines)}${state.variant ? `&v=${state.variant}` : ''}`;
    }
    return `#v=${state.variant}&f=${encodeURIComponent(state.frequency)}`;
  }

  const tooLongForLink = (state) => hashOf(state).length > longestLink;

  function show(state) {
    current = state.view;
    for (const [name, view] of Object.entries(views)) view.hidden = name !== state.view;
    for (const name of Object.keys(views)) {
      const tab = $(`tab-${name}`);
      if (name === state.view) tab.setAttribute('aria-current', 'page');
      else tab.removeAttribute('aria-current');
    }
    if (state.view === 'forward') showForward(state.variant, state.frequency);
    if (state.view === 'reverse') showReverse(state.board);
    if (state.view === 'plan') showPlan(state.lines, state.variant);
    $('message').textContent = messages[state.view];
  }

  // A new view is a new step of the history; an edit within one replaces it.
  function go(state, newStep) {
    const link = tooLongForLink(state) ? '#plan=' : hashOf(state);
    if (link !== location.hash) history[newStep ? 'pushState' : 'replaceState'](null, '', link);
    show(state);
  }

  const forwardState = () => ({
    view: 'forward', variant: $('variant-2').checked ? 2 : 1, frequency: $('frequency').value});
  const planState = () => ({view: 'plan', lines: $('plan-input').value, variant: planVariant()});
  $('frequency').addEventListener('input', () => go(forwardState(), false));
  $('variant-1').addEventListener('change', () => go(forwardState(), false));
  $('variant-2').addEventListener('change', () => go(forwardState(), false));
  $('board').addEventListener('input', () => go({view: 'reverse', board: $('board').value}, false));
  let planTimer = 0;
  $('plan-input').addEventListener('input', () => {
    fileNotice = '';
    clearTimeout(planTimer);
    planTimer = setTimeout(() => go(planState(), false), 150);
  });
  $('plan-variant').addEventListener('change', () => go(planState(), false));
  $('delimiter').addEventListener('change', updateCsv);

  // The link to what is on screen: offered to the phone's share sheet, or
  // copied. From disk it is a link to the same state of this very file.
  $('share').addEventListener('click', async () => {
    const url = location.href;
    const fromDisk = location.protocol === 'file:';
    if (navigator.share && !fromDisk) {
      try {
        await navigator.share({title: document.title, url});
      } catch (error) {
        if (error.name !== 'AbortError') say(current, `Länken kunde inte delas: ${url}`);
      }
      return;
    }
    try {
      await navigator.clipboard.writeText(url);
      say(current, fromDisk
        ? 'Länken är kopierad. Den fungerar bara där filen delartal.html finns.'
        : 'Länken är kopierad.');
    } catch {
      say(current, `Länken kunde inte kopieras: ${url}`);
    }
  });

  // The tabs keep what each view holds.
  const last = {
    forward: () => forwardState(),
    reverse: () => ({view: 'reverse', board: $('board').value}),
    plan: () => planState(),
  };
  for (const name of Object.keys(views)) {
    $(`tab-${name}`).addEventListener('click', (event) => {
      event.preventDefault();
      if (name !== current) go(last[name](), true);
    });
  }
  window.addEventListener('popstate', () => show(stateOf(location.hash)));
  window.addEventListener('hashchange', () => show(stateOf(location.hash)));

  show(stateOf(location.hash));
  document.documentElement.dataset.ready = 'true';
  performance.mark('delartal-answered');
  requestAnimationFrame(() => performance.mark('delartal-drawn'));
}

// The site keeps its files for offline use; the single file needs nothing kept.
const isSite = document.querySelector('link[rel="manifest"]') !== null;
if (isSite && 'serviceWorker' in navigator && location.protocol.startsWith('http')) {
  navigator.serviceWorker.register('sw.js');
}
createDelartal().then(start, () => {
  $('message').textContent = 'Sidans räknekärna kunde inte startas i den här webbläsaren.';
  document.documentElement.dataset.ready = 'failed';
});
