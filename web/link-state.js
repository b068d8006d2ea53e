'use strict';
// What is on screen lives in the URL fragment, so that a result can be
// bookmarked or sent: #v=2&f=141.40625, #r=J%20F%20D%20M, #plan=...&v=1.

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

// Past this length a link would outgrow what browsers and messages take, and
// the page says so instead.
const longestLink = 256 * 1024;
const tooLongForLink = (state) => hashOf(state).length > longestLink;
