// Programs built with emscripten to run under node: those that read their
// environment see the process's, as a native program does (the tests read
// DELARTAL_SAMPLE_EVERY from it).
Module['preRun'] = Module['preRun'] || [];
Module['preRun'].push(function () {
  if (typeof ENV != 'undefined') Object.assign(ENV, process.env);
});
