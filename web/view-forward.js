'use strict';
// Frekvens -> dioder: the typed frequency's divider, channel, fit, drawing,
// tick boxes for soldering and delartal's own report.

function forwardView(page) {
  const {core} = page;
  let drawn = -1;

  function showTicks(row) {
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
  }

  // Nothing shown, and the message, if any, said.
  function clear(message) {
    $('forward-answer').hidden = true;
    $('forward-result').hidden = true;
    $('report').textContent = '';
    page.say('forward', message);
    page.speak('');
  }

  function show(variant, text) {
    $(`variant-${variant}`).checked = true;
    if ($('frequency').value !== text) $('frequency').value = text;
    if (text.trim() === '') {
      clear('');
      return;
    }
    const got = core.forward(text, variant);
    const row = got.rader[0];
    if (!row) {
      clear(got.meddelanden.join('\n'));
      return;
    }
    $('divider').textContent = row.delartal;
    $('channel-frequency').textContent = row.kanal;
    $('iaru').textContent = row.iaru ? `, ${row.iaru}` : '';
    $('fits').textContent = row.i_matrisen ? core.layout.ryms : core.layout.ryms_inte;
    if (row.delartal !== drawn) {
      const drawings = core.drawing(row.delartal);
      $('drawing').innerHTML = drawings.matris + drawings.smal;
      drawn = row.delartal;
    }
    showTicks(row);
    $('report').textContent = got.rapport;
    $('forward-answer').hidden = false;
    $('forward-result').hidden = false;
    page.say('forward', got.obs);
    page.speak(`Delartal ${row.delartal}: ${row.dioder || 'inga dioder'}`);
  }

  const state = () => ({
    view: 'forward', variant: $('variant-2').checked ? 2 : 1, frequency: $('frequency').value});
  $('frequency').addEventListener('input', () => page.go(state(), false));
  $('variant-1').addEventListener('change', () => page.go(state(), false));
  $('variant-2').addEventListener('change', () => page.go(state(), false));
  $('card-forward').addEventListener('click', () => {
    printCards(core.card($('frequency').value, 0, $('variant-2').checked ? 2 : 1).text, page.tell);
  });
  return {show: (s) => show(s.variant, s.frequency), state};
}
