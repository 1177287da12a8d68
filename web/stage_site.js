#!/usr/bin/env node
// Stages the page as a static folder any HTTPS host can serve: the page's
// files, the module and its radio worker, the web app manifest (named from
// the core's texts), and the service worker with this build's file list and
// a version that changes with any file.
//
//   node web/stage_site.js PAGE_FOLDER MODULE_FOLDER OUT_FOLDER
'use strict';

const crypto = require('node:crypto');
const fs = require('node:fs');
const path = require('node:path');

const [pageFolder, moduleFolder, outFolder] = process.argv.slice(2).map((folder) => path.resolve(folder));
if (!outFolder) {
  console.error('usage: stage_site.js PAGE_FOLDER MODULE_FOLDER OUT_FOLDER');
  process.exit(2);
}

const moduleFiles = ['qm314.js', 'qm314.wasm', 'radio_worker.js', 'radio_conversations.js'];
// The page's own kinds of file; scripts that make them stay behind.
const pageKinds = new Set(['.html', '.css', '.js', '.svg', '.png']);

function pageFiles(folder, prefix = '') {
  const found = [];
  for (const entry of fs.readdirSync(folder, {withFileTypes: true})) {
    const name = prefix + entry.name;
    if (entry.isDirectory()) found.push(...pageFiles(path.join(folder, entry.name), `${name}/`));
    else if (pageKinds.has(path.extname(entry.name)) && name !== 'sw.js') found.push(name);
  }
  return found;
}

// {{key}} in a page file: the core's text of that key.
function filled(text, texts) {
  return text.replace(/\{\{(\w+)\}\}/g, (whole, key) => {
    if (typeof texts[key] !== 'string') throw new Error(`the core has no text "${key}"`);
    return texts[key].replace(/&/g, '&amp;').replace(/</g, '&lt;');
  });
}

async function main() {
  const core = await require(path.join(moduleFolder, 'qm314.js'))();
  const texts = core.texts();
  fs.rmSync(outFolder, {recursive: true, force: true});
  fs.mkdirSync(outFolder, {recursive: true});
  const written = [];
  const write = (name, content) => {
    const file = path.join(outFolder, name);
    fs.mkdirSync(path.dirname(file), {recursive: true});
    fs.writeFileSync(file, content);
    written.push(name);
  };

  for (const name of pageFiles(pageFolder)) {
    const content = fs.readFileSync(path.join(pageFolder, name));
    write(name, path.extname(name) === '.html' ? filled(content.toString('utf8'), texts) : content);
  }
  for (const name of moduleFiles) write(name, fs.readFileSync(path.join(moduleFolder, name)));

  const manifest = {
    name: texts.frameCaption,
    short_name: texts.page.shortName,
    description: texts.page.description,
    lang: 'en',
    start_url: './',
    scope: './',
    id: './',
    display: 'standalone',
    background_color: '#efefef',
    theme_color: '#d4d0c8',
    icons: [
      {src: 'icons/qm314.svg', sizes: 'any', type: 'image/svg+xml'},
      {src: 'icons/qm314-192.png', sizes: '192x192', type: 'image/png'},
      {src: 'icons/qm314-512.png', sizes: '512x512', type: 'image/png'},
      {src: 'icons/qm314-maskable-192.png', sizes: '192x192', type: 'image/png', purpose: 'maskable'},
      {src: 'icons/qm314-maskable-512.png', sizes: '512x512', type: 'image/png', purpose: 'maskable'},
    ],
    // The installed app opens channel data files and channel plans from the
    // system's file manager.
    file_handlers: [{
      action: './',
      accept: {'application/x-qm314-channel-data': [texts.fileExtension], 'text/csv': [texts.csvExtension]},
    }],
  };
  write('manifest.webmanifest', `${JSON.stringify(manifest, null, 2)}\n`);

  const hash = crypto.createHash('sha256');
  for (const name of [...written].sort()) {
    hash.update(name);
    hash.update(fs.readFileSync(path.join(outFolder, name)));
  }
  const version = hash.digest('hex').slice(0, 16);
  const worker = fs.readFileSync(path.join(pageFolder, 'sw.js'), 'utf8')
    .replace('{{version}}', version)
    .replace('{{files}}', JSON.stringify([...written].sort()));
  write('sw.js', worker);
  console.log(`staged ${written.length} files in ${outFolder} (version ${version})`);
}

main().catch((error) => {
  console.error(`stage_site.js: ${error.message}`);
  process.exit(1);
});
