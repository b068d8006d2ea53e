// Times the page's entry points through the WebAssembly module under node:
// one forward call, one reverse call, and the whole-band plan to CSV.
// Usage: node bench/web_calls.mjs PATH_TO_delartal-core.js; prints JSON.
import {readFileSync} from 'node:fs';
import {performance} from 'node:perf_hooks';
import {createRequire} from 'node:module';
import {resolve} from 'node:path';

const modulePath = process.argv[2];
const createDelartal = createRequire(import.meta.url)(resolve(modulePath));
const core = await createDelartal({wasmBinary: readFileSync(modulePath.replace(/\.js$/, '.wasm'))});
const forward = core.cwrap('delartal_forward', 'string', ['string', 'number']);
const reverse = core.cwrap('delartal_reverse', 'string', ['string', 'number']);
const sheet = core.cwrap('delartal_sheet', 'string', ['string', 'string', 'number', 'number']);

// Milliseconds a call, the best of five rounds of `count` calls.
function perCall(count, call) {
  let best = Infinity;
  for (let round = 0; round < 5; ++round) {
    const start = performance.now();
    for (let i = 0; i < count; ++i) call(i);
    best = Math.min(best, (performance.now() - start) / count);
  }
  return best;
}

const texts = ['146.03125', '141.40625', '145.6125', '165.3875'];
const boards = ['451', 'J F D M', 'x x x x  x V x x  x V x V  x x x V', '1999'];
const plan = JSON.parse(sheet('140.4:265.3875\n', 'csv', 44, 0));
console.log(JSON.stringify({
  forward_ms: perCall(1000, (i) => forward(texts[i % 4], 1 + (i % 2))),
  reverse_ms: perCall(1000, (i) => reverse(boards[i % 4], 0)),
  whole_band_csv_ms: perCall(1, () => sheet('140.4:265.3875\n', 'csv', 44, 0)),
  whole_band_rows: plan.text.split('\r\n').length - 2,
}));
