// Programs built with emscripten to run under node: they see the process's
// environment, as a native program does (the tests read
// DELARTAL_SAMPLE_EVERY from it).
Module['preRun'] = Module['preRun'] || [];
Module['preRun'].push(function () {
  Object.assign(ENV, process.env);
});
