// A static server on a free loopback port for a built page folder, for the
// browser tests and benchmarks: they need the page served over HTTP (wasm
// will not stream from file:) and must not race for a fixed port.
import { readFileSync } from 'node:fs';
import { createServer } from 'node:http';
import { join } from 'node:path';

const types = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm',
    '.webmanifest': 'application/manifest+json', '.png': 'image/png' };

// The server and the address it answers at, ending in "/". Nothing it sends
// may be kept by the browser's HTTP cache: a page that starts offline must
// owe that to its service worker alone.
export async function servePage(pageDir) {
    const server = createServer((request, response) => {
        const file = join(pageDir, new URL(request.url, 'http://page').pathname.replace(/\/$/, '/index.html'));
        try {
            const body = readFileSync(file);
            response.writeHead(200, { 'Content-Type': types[file.slice(file.lastIndexOf('.'))] ?? 'text/plain',
                'Cache-Control': 'no-store' });
            response.end(body);
        } catch {
            response.writeHead(404).end();
        }
    }).listen(0, '127.0.0.1');
    await new Promise(listening => server.once('listening', listening));
    return { server, address: `http://127.0.0.1:${server.address().port}/` };
}
