// The module's functions (web/README.md lists them), over the core's bindings
// (document_bindings.cpp) and its conversations (browser_transfer.cpp).
// Loaded after the module's own code (--post-js), inside createQm314().

(() => {
  // The core answers {value} or {error}; its error texts are the user's.
  // While a conversation waits on the port its stack is put aside, and the
  // bindings would take this call for one that waits too: they must see
  // none waiting.  The call itself never waits, so the conversation's stack
  // (below which it runs) is as it was when it returns.
  const unwrap = (call) => {
    const waiting = Asyncify.currData;
    Asyncify.currData = null;
    let answer;
    try {
      answer = call();
    } finally {
      Asyncify.currData = waiting;
    }
    if (answer.error !== undefined) throw new Error(answer.error);
    return answer.value;
  };
  const text = (value) => (value === undefined || value === null ? '' : String(value));

  Module.newImage = () => unwrap(() => Module.coreNewImage());
  Module.show = (bytes, fileName) => unwrap(() => Module.coreShow(bytes, text(fileName)));
  Module.encode = (bytes, json, fileName) =>
    unwrap(() => Module.coreEncode(bytes, typeof json === 'string' ? json : JSON.stringify(json), text(fileName)));
  Module.looksLikeChannelData = (bytes, fileName) => unwrap(() => Module.coreLooksLikeChannelData(bytes, text(fileName)));
  Module.notChannelDataText = (fileName) => unwrap(() => Module.coreNotChannelData(text(fileName)));
  Module.exportCsv = (bytes, format, fileName) => unwrap(() => Module.coreExportCsv(bytes, text(format), text(fileName)));
  Module.importCsv = (bytes, csvText, csvName, fileName) =>
    unwrap(() => Module.coreImportCsv(bytes, text(csvText), text(csvName), text(fileName)));
  Module.reportText = (bytes, fileName) => unwrap(() => Module.coreReport(bytes, text(fileName)));
  Module.pickLists = () => unwrap(() => Module.corePickLists());
  Module.cellMeaning = (key, cellText) => unwrap(() => Module.coreCellMeaning(text(key), text(cellText)));

  // A page's callbacks must not break the conversation: one that throws or
  // is missing counts as nothing said, and a question nobody answers gets
  // the answer that ends the conversation.
  const guard = (call, otherwise) => {
    try {
      return call();
    } catch (e) {
      return otherwise;
    }
  };
  const pageEvents = (events) => ({
    status: (message) => guard(() => events.status && events.status(message)),
    progress: (position) => guard(() => events.progress && events.progress(position)),
    cancelled: () => guard(() => Boolean(events.cancelled && events.cancelled()), false),
    verifying: () => guard(() => events.verifying && events.verifying()),
    ask: async (message, buttons, details) => {
      if (!events.ask) return null;
      try {
        return await events.ask(message, buttons, details);
      } catch (e) {
        return null;
      }
    },
  });

  // A trap in the module would leave the conversation's promise waiting for
  // good and its port open: the conversation ends with it instead.
  let trapped = null;
  const trap = new Promise((resolve, reject) => {
    const callersOwn = Module.onAbort;
    Module.onAbort = (what) => {
      reject((trapped = new Error(String(what))));
      if (callersOwn) callersOwn(what);
    };
  });
  trap.catch(() => {});

  // One conversation at a time: the module has one stack to put aside.
  let conversations = Promise.resolve();
  const converse = (port, events, run) => {
    const conversation = conversations.then(async () => {
      const line = new Qm314Line(port);
      Module.qm314Line = line;
      Module.qm314Events = pageEvents(events || {});
      Module.qm314Result = {};
      try {
        if (trapped) throw trapped;
        await Promise.race([run(), trap]);
      } finally {
        // The core closes the port on every way out; a trap in the module
        // would leave it open for good.
        await line.close();
        Module.qm314Line = null;
        Module.qm314Events = null;
      }
      const result = Module.qm314Result;
      Module.qm314Result = null;
      return result;
    });
    conversations = conversation.catch(() => {});
    return conversation;
  };

  Module.readRadio = (port, events, options = {}) => converse(port, events, () =>
    ccall('qm314_read_radio', null, ['string'], [text(options.cloneWord)], {async: true}));
  Module.writeRadio = (port, bytes, events, options = {}) => converse(port, events, () =>
    ccall('qm314_write_radio', null, ['array', 'number', 'string', 'number', 'string'],
          [bytes, bytes.length, text(options.fileName), options.verify ? 1 : 0, text(options.cloneWord)],
          {async: true}));
})();
