// Under node the loader would fetch() the .wasm by its file path, which node's
// fetch refuses: node reads it from beside this file instead.  Pages and
// workers fetch it as usual.  Loaded first (--pre-js), inside createQm314().
if (typeof process === 'object' && process.versions && process.versions.node && !Module.wasmBinary &&
    typeof __dirname === 'string') {
  Module.wasmBinary = require('fs').readFileSync(require('path').join(__dirname, 'qm314.wasm'));
}
