// The page's entry points through the WebAssembly module, called as the page
// calls them, against the built programs: for every channel and half step of
// both variants, delartal's report lines, divider and channel notice; for
// every divider and both variants, delartal-plan -r -f csv's fields.
//
// Run with node --test, with DELARTAL_MODULE (build-web/delartal-core.js),
// DELARTAL and DELARTAL_PLAN (the native programs) in the environment.
import assert from 'node:assert/strict';
import {execFile, execFileSync} from 'node:child_process';
import {readFileSync} from 'node:fs';
import {test} from 'node:test';
import {createRequire} from 'node:module';

const modulePath = process.env.DELARTAL_MODULE;
const delartal = process.env.DELARTAL;
const plan = process.env.DELARTAL_PLAN;

const createDelartal = createRequire(import.meta.url)(modulePath);
const core = await createDelartal({wasmBinary: readFileSync(modulePath.replace(/\.js$/, '.wasm'))});
const call = (name, ...types) => {
  const fn = core.cwrap(name, 'string', types);
  return (...args) => JSON.parse(fn(...args));
};
const forward = call('delartal_forward', 'string', 'number');
const reverse = call('delartal_reverse', 'string', 'number');

// A frequency in units of 10^-5 MHz as typed, from its digits: "146.03125",
// "146".
const typed = (units) => {
  const digits = String(units);
  const fraction = digits.slice(-5).replace(/0+$/, '');
  return digits.slice(0, -5) + (fraction ? '.' + fraction : '');
};

// delartal's whole run for one answer pair: its output and its notices.
const runDelartal = (variant, text) => new Promise((resolve) => {
  const child = execFile(delartal, {encoding: 'latin1'}, (error, stdout, stderr) =>
    resolve({stdout, stderr, status: error ? error.code : 0}));
  child.stdin.end(`${variant}\n${text}\n\n`);
});

// Runs `work` over `items`, `width` at a time, in order of the items.
async function pool(items, width, work) {
  const results = new Array(items.length);
  let next = 0;
  const worker = async () => {
    while (next < items.length) {
      const at = next++;
      results[at] = await work(items[at]);
    }
  };
  await Promise.all(Array.from({length: width}, worker));
  return results;
}

const LABEL_ROW = '  - - - L  K J I H  G F E D  C B A M\n';

// Channels 0 to 9999 of each variant and the half steps between them.
test('every channel and half step: delartal\'s report, divider and notice', async () => {
  const cases = [];
  for (const [variant, base] of [[1, 14040000], [2, 14020000]]) {
    for (let n = 0; n <= 9999; ++n) {
      cases.push([variant, typed(base + 1250 * n)]);
      if (n < 9999) cases.push([variant, typed(base + 1250 * n + 625)]);
    }
  }
  const runs = await pool(cases, 4, ([variant, text]) => runDelartal(variant, text));
  let faults = 0;
  cases.forEach(([variant, text], at) => {
    const {stdout, stderr, status} = runs[at];
    assert.equal(status, 0, `delartal refused ${text} with variant ${variant}`);
    const start = stdout.indexOf('\n\n\n Frekvensen ') + 3;
    const report = stdout.slice(start, stdout.indexOf(LABEL_ROW, start) + LABEL_ROW.length);
    const divider = Number(/ger delartalet (\d+)\n/.exec(stdout)[1]);
    const got = forward(text, variant);
    const notice = stderr.replace(/\n$/, '');
    if (got.rapport !== report || got.rader[0]?.delartal !== divider || got.obs !== notice) {
      if (++faults <= 5) {
        assert.fail(`${text} with variant ${variant}: ${JSON.stringify(got)}\n` +
                    `delartal: ${JSON.stringify(report)} ${divider} ${JSON.stringify(notice)}`);
      }
    }
  });
  assert.equal(faults, 0);
  assert.equal(cases.length, 39998);
});

test('every divider, both variants: delartal-plan -r -f csv\'s fields', () => {
  const lines = Array.from({length: 10000}, (_, n) => `${n}\n`).join('');
  const [header, ...records] =
      execFileSync(plan, ['-r', '-f', 'csv'], {input: lines, maxBuffer: 1 << 26})
      .toString().trimEnd().split('\r\n');
  const names = header.split(',');
  assert.equal(records.length, 20000);
  const asCsv = (value) => typeof value === 'boolean' ? (value ? 'ja' : 'nej') : String(value);
  for (let n = 0; n <= 9999; ++n) {
    const got = reverse(String(n), 0);
    assert.equal(got.status, 0, `divider ${n}`);
    assert.equal(got.rader.length, 2, `divider ${n}`);
    got.rader.forEach((row, variant) => {
      const fields = records[2 * n + variant].split(',');
      assert.deepEqual(Object.keys(row), names);
      names.forEach((name, at) => assert.equal(asCsv(row[name]), fields[at],
                                               `divider ${n}, variant ${variant + 1}, ${name}`));
    });
  }
});

// The page shows delartal-plan's messages without the program's name.
test('refusals and boards no divider can have are delartal-plan\'s messages', () => {
  const cases = [
    [['delartal_forward', '146abc', 1], 'delartal-plan: ”146abc”: ingen frekvens; skriv t.ex. 146.0125'],
    [['delartal_reverse', 'K J', 0], 'delartal-plan: ”K J”: hundratalet K J ger 12, inte 0–9'],
  ];
  for (const [[name, text, variant], message] of cases) {
    const got = call(name, 'string', 'number')(text, variant);
    assert.equal(got.status, 1);
    assert.deepEqual(got.rader, []);
    assert.deepEqual(got.meddelanden, [message.replace(/^delartal-plan: /, '')]);
    const [program, ...args] = name === 'delartal_forward'
        ? [plan, '-v', String(variant), '--', text] : [plan, '-r', '--', text];
    let stderr = '';
    try {
      execFileSync(program, args, {stdio: ['ignore', 'ignore', 'pipe']});
    } catch (error) {
      stderr = error.stderr.toString();
    }
    assert.equal(stderr, `${message}\n`);
  }
});
