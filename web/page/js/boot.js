// Starts the core's download and compilation as soon as the page is parsed,
// while the page's modules are still arriving; core.js takes it from here.
// A classic script: a module would start only once all of main.js's imports
// had loaded.
'use strict';

globalThis.qm314Starting = globalThis.createQm314();
