'use strict';
// Starts the page: makes the core, builds the three views over it, and keeps
// the view on screen, its message and the link in step. The views' own
// scripts come before this one.

function start(module) {
  const views = {forward: $('view-forward'), reverse: $('view-reverse'), plan: $('view-plan')};
  const messages = {forward: '', reverse: '', plan: ''};
  let current = 'forward';

  const page = {
    core: bridgeTo(module),
    say(view, text) {
      messages[view] = text;
      if (view === current) $('message').textContent = text;
    },
    // A message in the view on screen.
    tell: (text) => page.say(current, text),
    // A new result, heard once in a few words; the same result again is not.
    speak(text) {
      if ($('result-status').textContent !== text) $('result-status').textContent = text;
    },
    // A new view is a new step of the history; an edit within one replaces it.
    go(state, newStep) {
      const link = tooLongForLink(state) ? '#plan=' : hashOf(state);
      if (link !== location.hash) history[newStep ? 'pushState' : 'replaceState'](null, '', link);
      show(state);
    },
  };
  // A view is built when it is first shown, so that a link's answer comes
  // before the other views are made.
  const makers = {forward: forwardView, reverse: reverseView, plan: planView};
  const built = {};
  const view = (name) => (built[name] ??= makers[name](page));

  function show(state) {
    current = state.view;
    for (const [name, view] of Object.entries(views)) view.hidden = name !== state.view;
    for (const name of Object.keys(views)) {
      const tab = $(`tab-${name}`);
      if (name === state.view) tab.setAttribute('aria-current', 'page');
      else tab.removeAttribute('aria-current');
    }
    view(state.view).show(state);
    // The message stands where each view's answer is read: in the frequency
    // view between the divider and the drawing.
    const place = views[state.view].querySelector('.message-place');
    if ($('message').parentNode !== place) place.append($('message'));
    $('message').textContent = messages[state.view];
  }

  $('share').addEventListener('click', () => shareLink(page.tell));
  // The tabs keep what each view holds.
  for (const name of Object.keys(views)) {
    $(`tab-${name}`).addEventListener('click', (event) => {
      event.preventDefault();
      if (name !== current) page.go(view(name).state(), true);
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
