'use strict';
// Dioder -> frekvens: a board, tapped on the drawn matrix or typed, to each
// variant's channel, divider, fit and band, in words and in a table.

function reverseView(page) {
  const {core} = page;
  const toggles = [];

  function toggle(line) {
    const button = element('button', 'toggle', line);
    button.type = 'button';
    button.id = `line-${line}`;
    button.setAttribute('aria-pressed', 'false');
    button.setAttribute('aria-label', `Linje ${line}`);
    button.addEventListener('click', () => {
      button.setAttribute('aria-pressed', String(button.getAttribute('aria-pressed') !== 'true'));
      const board = toggles.filter((t) => t.getAttribute('aria-pressed') === 'true')
          .map((t) => t.textContent).join(' ');
      page.go({view: 'reverse', board}, false);
    });
    toggles.push(button);
    return button;
  }

  // The drawn matrix is the input: a group of four places for each digit.
  for (const [group, name] of core.layout.grupper.entries()) {
    const box = document.createElement('div');
    box.className = 'group';
    box.setAttribute('role', 'group');
    box.setAttribute('aria-label', name);
    box.append(element('span', 'group-name', name));
    for (const line of core.layout.platser.slice(4 * group, 4 * group + 4)) {
      if (line === '') {
        const none = element('span', 'no-line', '–');
        none.title = 'ingen linje';
        box.append(none);
      } else {
        box.append(toggle(line));
      }
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
    page.speak(rows.map((row) => `Variant ${row.variant}: kanal ${row.kanal} MHz, delartal ${row.delartal}`)
        .join('. '));
  }

  function show(board) {
    if ($('board').value !== board) $('board').value = board;
    const got = board.trim() === '' ? {rader: [], meddelanden: []} : core.reverse(board, 0);
    fillTable($('reverse'), got.rader);
    summarize(got.rader);
    $('card-reverse').hidden = got.rader.length === 0;
    // The toggles show the board the field holds, and none where it holds none.
    const lines = new Set(got.rader[0] ? got.rader[0].dioder.split(' ') : []);
    toggles.forEach((t) => t.setAttribute('aria-pressed', String(lines.has(t.textContent))));
    page.say('reverse', got.meddelanden.join('\n'));
  }

  const state = () => ({view: 'reverse', board: $('board').value});
  $('board').addEventListener('input', () => page.go(state(), false));
  $('card-reverse').addEventListener('click', () => {
    printCards(core.card($('board').value, 1, 0).text, page.tell);
  });
  return {show: (s) => show(s.board), state};
}
