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

  // The page's texts and its form's editing (page_bindings.cpp).  A form is
  // the object show() describes, parsed; an edit gives {form, step} with the
  // form after it and the undo step's name, or a form of null when no text changed.
  const json = (form) => (typeof form === 'string' ? form : JSON.stringify(form));
  Module.texts = () => unwrap(() => Module.coreTexts());
  Module.cableName = (place, vendor, product) =>
    unwrap(() => Module.coreCableName(place, vendor === undefined ? -1 : vendor, product === undefined ? -1 : product));
  Module.formatText = (pattern, ...args) => unwrap(() => Module.coreFormatText(text(pattern), args.map(text)));
  Module.cannotOpenText = (fileName, reason) => unwrap(() => Module.coreCannotOpenText(text(fileName), text(reason)));
  Module.cannotSaveText = (fileName, reason) => unwrap(() => Module.coreCannotSaveText(text(fileName), text(reason)));
  Module.textFileTooLargeText = () => unwrap(() => Module.coreTextFileTooLargeText());
  Module.openDocument = (bytes, fileName) => unwrap(() => Module.coreOpenDocument(bytes, text(fileName)));
  Module.cellList = (key, cellText) => unwrap(() => Module.coreCellList(text(key), text(cellText)));
  Module.typeOnList = (key, typed, character) =>
    unwrap(() => Module.coreTypeOnList(text(key), text(typed), text(character)));
  Module.takeBackTyped = (key, typed) => unwrap(() => Module.coreTakeBackTyped(text(key), text(typed)));
  Module.keyMessage = (key, character) => unwrap(() => Module.coreKeyMessage(text(key), character | 0));
  Module.tooltip = (key, cellText) => unwrap(() => Module.coreTooltip(text(key), text(cellText)));
  Module.cellRefusal = (form, row, key) => unwrap(() => Module.coreCellRefusal(json(form), row | 0, text(key)));
  Module.commitCell = (form, row, key, choice) =>
    unwrap(() => Module.coreCommitCell(json(form), row | 0, text(key), text(choice)));
  Module.clearCell = (form, row, key) => unwrap(() => Module.coreClearCell(json(form), row | 0, text(key)));
  Module.setSetting = (form, key, itemText) => unwrap(() => Module.coreSetSetting(json(form), text(key), text(itemText)));
  Module.copyRows = (form, rows) => unwrap(() => Module.coreCopyRows(json(form), rows.map((row) => row | 0)));
  Module.emptyRows = (form, rows, kind) =>
    unwrap(() => Module.coreEmptyRows(json(form), rows.map((row) => row | 0), text(kind)));
  Module.pasteRows = (form, clipboardText, firstRow) =>
    unwrap(() => Module.corePasteRows(json(form), text(clipboardText), firstRow | 0));
  Module.importChannels = (form, csvText, csvName) =>
    unwrap(() => Module.coreImportChannels(json(form), text(csvText), text(csvName)));
  Module.exportForm = (form, format) => unwrap(() => Module.coreExportForm(json(form), text(format)));
  Module.reportLines = (form) => unwrap(() => Module.coreReportLines(json(form)));

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
