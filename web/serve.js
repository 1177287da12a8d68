#!/usr/bin/env node
// The page's own static server: the staged site over HTTP on the loopback
// address only (localhost is a secure context, so Web Serial and the service
// worker work there), with the MIME types a browser insists on for modules,
// WebAssembly and the manifest, and the page's Content-Security-Policy.
//
//   node web/serve.js [--root FOLDER] [--port N]      (defaults build-web/site, 8314)
'use strict';

const fs = require('node:fs');
const http = require('node:http');
const path = require('node:path');

const types = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.mjs': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.wasm': 'application/wasm',
  '.webmanifest': 'application/manifest+json',
  '.json': 'application/json',
  '.png': 'image/png',
  '.svg': 'image/svg+xml',
  '.ico': 'image/x-icon',
  '.txt': 'text/plain; charset=utf-8',
};

// Everything comes from this origin; WebAssembly may be compiled, nothing
// else evaluated.  index.html carries the same policy in a meta element for
// hosts that send no headers (where frame-ancestors cannot be given).
const contentSecurityPolicy = [
  "default-src 'none'",
  "script-src 'self' 'wasm-unsafe-eval'",
  "style-src 'self'",
  "img-src 'self'",
  "font-src 'self'",
  "connect-src 'self'",
  "worker-src 'self'",
  "manifest-src 'self'",
  "base-uri 'none'",
  "form-action 'none'",
  "frame-ancestors 'none'",
].join('; ');

const headers = {
  'content-security-policy': contentSecurityPolicy,
  'x-content-type-options': 'nosniff',
  'referrer-policy': 'no-referrer',
  'cross-origin-opener-policy': 'same-origin',
  // Each load asks again, so a rebuilt site is seen; offline the service
  // worker answers instead.
  'cache-control': 'no-cache',
};

// The file a request names under root, or null for none (nothing outside
// root, no hidden files).
function fileFor(root, url) {
  let name;
  try {
    name = decodeURIComponent(new URL(url, 'http://localhost').pathname);
  } catch (e) {
    return null;
  }
  if (name.endsWith('/')) name += 'index.html';
  const parts = name.split('/').filter((part) => part !== '');
  if (parts.some((part) => part.startsWith('.'))) return null;
  const file = path.join(root, ...parts);
  if (!file.startsWith(root + path.sep)) return null;
  try {
    return fs.statSync(file).isFile() ? file : null;
  } catch (e) {
    return null;
  }
}

function handler(root) {
  return (request, response) => {
    if (request.method !== 'GET' && request.method !== 'HEAD') {
      response.writeHead(405, {...headers, allow: 'GET, HEAD'});
      response.end();
      return;
    }
    const file = fileFor(root, request.url);
    if (!file) {
      response.writeHead(404, {...headers, 'content-type': types['.txt']});
      response.end(request.method === 'HEAD' ? undefined : 'Not found\n');
      return;
    }
    const body = fs.readFileSync(file);
    response.writeHead(200, {
      ...headers,
      'content-type': types[path.extname(file)] || 'application/octet-stream',
      'content-length': body.length,
    });
    response.end(request.method === 'HEAD' ? undefined : body);
  };
}

// Serves root on 127.0.0.1 and, where the machine has it, ::1 (a browser may
// try either for localhost).  Port 0 takes a free one.  Resolves to
// {url, port, servers, close()}.
async function startServer({root, port = 8314} = {}) {
  const folder = path.resolve(root);
  const servers = [];
  const listen = (host, at) => new Promise((resolve, reject) => {
    const server = http.createServer(handler(folder));
    server.once('error', reject);
    server.listen(at, host, () => {
      servers.push(server);
      resolve(server.address().port);
    });
  });
  const bound = await listen('127.0.0.1', port);
  try {
    await listen('::1', bound);
  } catch (e) {
    // No IPv6 loopback here: 127.0.0.1 serves alone.
  }
  return {
    url: `http://localhost:${bound}/`,
    port: bound,
    servers,
    close: () => Promise.all(servers.map((server) => new Promise((resolve) => {
      server.closeAllConnections();
      server.close(() => resolve());
    }))),
  };
}

module.exports = {startServer, contentSecurityPolicy, types};

if (require.main === module) {
  const args = process.argv.slice(2);
  const option = (name, otherwise) => {
    const at = args.indexOf(name);
    return at >= 0 && at + 1 < args.length ? args[at + 1] : otherwise;
  };
  const root = option('--root', path.join(__dirname, '..', 'build-web', 'site'));
  const port = Number(option('--port', '8314'));
  if (!fs.existsSync(path.join(root, 'index.html'))) {
    console.error(`serve.js: ${root} holds no index.html; build the site first (scripts/web.sh)`);
    process.exit(2);
  }
  startServer({root, port}).then(({url}) => {
    console.log(`QM-314 in the browser: ${url}`);
    console.log('Open it in Chrome or Edge; Ctrl+C stops the server.');
  }, (error) => {
    console.error(error.code === 'EADDRINUSE' ?
      `serve.js: port ${port} is taken, perhaps by another copy of this server; give another with --port N` :
      `serve.js: ${error.message}`);
    process.exit(1);
  });
}
