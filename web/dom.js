'use strict';
// The page's small helpers for its own elements: finding them, making them,
// filling a table with the core's rows, and waiting for the next frame.

const $ = (id) => document.getElementById(id);

function element(tag, className, text) {
  const node = document.createElement(tag);
  if (className) node.className = className;
  if (text !== undefined) node.textContent = text;
  return node;
}

// Runs `then` once the next frame is drawn, so that what is on screen shows
// before more work.
const afterFrame = (then) => requestAnimationFrame(() => setTimeout(then, 0));

// What a table shows of a row: the CSV's fields that its header names, in
// the header's order, each cell named by its column for a narrow screen.
const cellText = (value) => (typeof value === 'boolean' ? (value ? 'ja' : 'nej') : String(value));

// A row that `offChannel` names, one whose frequency is not its divider's
// channel, has its channel cell marked, as the card marks it.
function fillTable(table, rows, offChannel = [], append = false) {
  const columns = [...table.tHead.rows[0].cells].map((th) => [th.dataset.field, th.textContent]);
  const body = document.createDocumentFragment();
  rows.forEach((row, index) => {
    const tr = document.createElement('tr');
    if (offChannel[index]) tr.className = 'off-channel';
    for (const [field, label] of columns) {
      const td = document.createElement('td');
      td.textContent = cellText(row[field]);
      td.dataset.field = field;
      td.dataset.label = label;
      tr.append(td);
    }
    body.append(tr);
  });
  if (append) table.tBodies[0].append(body);
  else table.tBodies[0].replaceChildren(body);
}
