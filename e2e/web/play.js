// Plays the web build in Debian's chromium, headless, with WebGL drawn by SwiftShader, through the
// DevTools Protocol, as a player would: served on 127.0.0.1, read back only from what the page shows.
//   NODE_PATH=<folder holding puppeteer-core> node e2e/web/play.js <build/web> <res>
'use strict';
const fs = require('fs'), http = require('http'), os = require('os'), path = require('path');
const puppeteer = require('puppeteer-core');

const [site, res] = process.argv.slice(2).map((folder) => path.resolve(folder));
let failures = 0;
function check(ok, what) {
  console.log(`${ok ? 'ok  ' : 'FAIL'} ${what}`);
  failures += ok ? 0 : 1;
}
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
async function eventually(test, ms) {
  for (const end = Date.now() + ms; !(await test()); await sleep(200)) if (Date.now() > end) return false;
  return true;
}

// A picture as the game's TGA files are: 24- or 32-bit, maybe run-length coded, either row order.
function readTga(file) {
  const data = fs.readFileSync(path.join(res, 'images', file)), width = data.readUInt16LE(12);
  const height = data.readUInt16LE(14), bytes = data[16] / 8, rgb = new Uint8Array(width * height * 3);
  let at = 18 + data[0], pixel = 0;
  const put = (from) => {
    const row = Math.floor(pixel / width), y = data[17] & 0x20 ? row : height - 1 - row;
    rgb.set([data[from + 2], data[from + 1], data[from]], (y * width + (pixel++ % width)) * 3);
  };
  while (pixel < width * height) {
    const packet = data[2] === 10 ? data[at++] : 0, count = data[2] === 10 ? (packet & 0x7f) + 1 : 1;
    for (let i = 0; i < count; i++, at += packet & 0x80 ? 0 : bytes) put(at);
    at += packet & 0x80 ? bytes : 0;
  }
  return { width, height, rgb };
}

// The canvas as shown, from a screenshot, at every 4th pixel.
const grid = 4;
async function shown(page) {
  const clip = await page.$eval('#canvas', (c) => c.getBoundingClientRect().toJSON());
  const png = await page.screenshot({ clip, encoding: 'base64' });
  return page.evaluate(async (png, grid) => {
    const image = await createImageBitmap(await (await fetch(`data:image/png;base64,${png}`)).blob());
    const board = new OffscreenCanvas(image.width, image.height).getContext('2d');
    board.drawImage(image, 0, 0);
    const all = board.getImageData(0, 0, image.width, image.height).data, rgb = [];
    for (let y = 0; y < image.height; y += grid)
      for (let x = 0, at = y * image.width * 4; x < image.width; x += grid, at += grid * 4)
        rgb.push(...all.slice(at, at + 3));
    return { side: image.width, across: Math.ceil(image.width / grid), rgb };
  }, png, grid);
}
// The share of samples further than 10 % from the picture's, stretched over the square; a picture's fine
// print, drawn smaller than it is, leaves a few hundredths.
function differing(view, picture) {
  let differ = 0;
  for (let i = 0; i < view.rgb.length / 3; i++) {
    const x = Math.floor(((i % view.across) * grid * picture.width) / view.side);
    const y = Math.floor((Math.floor(i / view.across) * grid * picture.height) / view.side);
    const from = (y * picture.width + x) * 3;
    differ += [0, 1, 2].some((c) => Math.abs(view.rgb[i * 3 + c] - picture.rgb[from + c]) > 25) ? 1 : 0;
  }
  return differ / (view.rgb.length / 3);
}
// Samples of a kind in a box given in the desktop window's 800 pixels, and how many were looked at.
const kinds = {
  orange: (r, g, b) => r > 225 && g > 110 && g < 215 && b < 90,
  dark: (r, g, b) => r < 64 && g < 64 && b < 64,
};
function find(view, kind, left, top, width, height) {
  const scale = view.side / 800, found = [];
  found.looked = 0;
  for (let y = Math.ceil((top * scale) / grid); y * grid < (top + height) * scale; y++)
    for (let x = Math.ceil((left * scale) / grid); x * grid < (left + width) * scale; x++, found.looked++) {
      const at = (y * view.across + x) * 3;
      if (kinds[kind](...view.rgb.slice(at, at + 3))) found.push([(x * grid) / scale, (y * grid) / scale]);
    }
  return found;
}
// A ball fills most of the box about its centre at the starting camera; a spring, a part of it.
function darkAbout(view, x, y, share) {
  const found = find(view, 'dark', x - 8, y - 8, 16, 16);
  return found.length >= share * found.looked;
}

// A fresh profile each time. WebGL on SwiftShader is asked for by name: recent versions offer it in
// software only when told it is wanted.
async function inBrowser(extraArgs, use) {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'vorlund-chromium-'));
  const browser = await puppeteer.launch({ executablePath: '/usr/bin/chromium', userDataDir: profile, headless: true,
    defaultViewport: { width: 1000, height: 900 },
    args: ['--no-sandbox', '--no-first-run', '--disable-background-networking', '--disable-component-update',
      '--disable-sync', '--disable-quic', '--use-gl=angle', '--use-angle=swiftshader', '--enable-unsafe-swiftshader',
      ...extraArgs] });
  try {
    await use(await browser.newPage());
  } finally {
    await browser.close();
    fs.rmSync(profile, { recursive: true, force: true });
  }
}

const play = (base) => inBrowser([], async (page) => {
  const errors = [];
  page.on('console', (message) => message.type() === 'error' && errors.push(message.text()));
  page.on('pageerror', (error) => errors.push(`${error.message}`));
  const [title, instructions] = ['titlescreen.tga', 'instructions.tga'].map(readTga);
  const loadStart = Date.now();
  await page.goto(base, { waitUntil: 'load' });
  let difference = 1;
  check(await eventually(async () => (difference = differing(await shown(page), title)) < 0.1, 30000),
    `the title screen is its picture (${difference} differ), ${Date.now() - loadStart} ms after loading began`);
  check(await page.$eval('#problem', (p) => getComputedStyle(p).display === 'none'), 'no start-up problem shown');
  const fitted = () => page.evaluate(() => {
    const c = document.getElementById('canvas'), r = c.getBoundingClientRect(), s = document.getElementById('stage');
    const side = Math.floor(Math.min(s.clientWidth, s.clientHeight)), room = s.getBoundingClientRect();
    return [r.width, r.height, c.width, c.height].every((length) => length === side) &&
      Math.abs(r.left - room.left - (s.clientWidth - side) / 2) <= 1 &&
      Math.abs(r.top - room.top - (s.clientHeight - side) / 2) <= 1;
  });
  check(await fitted(), 'wide, the canvas is the largest square the page has, centred');

  // Headless, chromium lets sound start without a gesture; elsewhere the first click resumes it.
  const audioState = () => page.evaluate(() => Module.SDL2.audioContext && Module.SDL2.audioContext.state);
  console.log(`sound before the first click: ${await audioState()}`);
  const box = await page.$eval('#canvas', (c) => c.getBoundingClientRect().toJSON());
  await page.mouse.click(box.x + box.width / 2, box.y + box.height / 2);
  check(await eventually(async () => (await audioState()) === 'running', 5000), 'the first click starts the sound');
  check(await eventually(async () => {
    const view = await shown(page);
    return (difference = differing(view, instructions)) < 0.1 && differing(view, title) > 0.2;
  }, 10000), `the instructions screen is its picture (${difference} differ)`);
  await page.mouse.click(box.x + box.width / 2, box.y + box.height / 2);
  check(await eventually(async () => {
    const view = await shown(page);
    return differing(view, instructions) > 0.2 && find(view, 'orange', 0, 0, 800, 800).length > 0;
  }, 10000), 'play begins, crawlers raining down');
  await page.setViewport({ width: 640, height: 1000 });
  await sleep(500);
  check(await fitted(), 'resized tall, the canvas is the largest square the page has, centred');
  await sleep(5000); // the crawlers land and climb

  // A crawler climbing the structure, dragged a metre above its top two balls, becomes a ball with a spring to
  // each.
  const square = await page.$eval('#canvas', (c) => c.getBoundingClientRect().toJSON());
  const at = (x, y) => [square.x + (x * square.width) / 800, square.y + (y * square.width) / 800];
  let built = false, springs = false;
  for (let attempt = 0; attempt < 6 && !(built && springs); attempt++) {
    const climbing = find(await shown(page), 'orange', 200, 600, 400, 200);
    if (climbing.length === 0) { await sleep(500); continue; }
    const [x, y] = climbing[Math.floor((climbing.length * (2 * attempt + 1)) / 12)];
    await page.mouse.move(...at(x, y));
    await page.mouse.down();
    for (let step = 1; step <= 8; step++)
      await page.mouse.move(...at(x + ((400 - x) * step) / 8, y + ((520 - y) * step) / 8));
    await page.mouse.up();
    await eventually(async () => {
      const view = await shown(page);
      built = darkAbout(view, 400, 520, 0.7);
      springs = darkAbout(view, 360, 572, 0.2) && darkAbout(view, 440, 572, 0.2);
      return built && springs;
    }, 3000);
  }
  check(built && springs, `a crawler dragged above the structure is a ball (${built}) with two springs (${springs})`);

  // The zoom keys reach the game wherever the page's focus is. The camera starts 5 m from the field, its
  // square 10 m high, and each key moves it 0.5 m. Four w: 7 m away, lifted to keep the ground at the
  // bottom, the new ball 3.5 m below the middle at 400/7 pixels a metre. Four s: 5 m away, still 7 m up.
  await page.$eval('#controls', (p) => { p.tabIndex = -1; p.focus(); });
  const zooms = [['w', [400, 600, 0.4], [400, 520], 'w zooms out'], ['s', [400, 680, 0.7], [400, 600], 's zooms in']];
  for (const [key, ball, gone, what] of zooms) {
    for (let i = 0; i < 4; i++) await page.keyboard.press(key);
    check(await eventually(async () => {
      const view = await shown(page);
      return darkAbout(view, ...ball) && !darkAbout(view, ...gone, 0.2);
    }, 3000), what);
  }
  check(errors.length === 0, `no console error${errors.length ? `: ${errors.join(' | ')}` : ''}`);
});

// Without WebGL the page says so, and fetches no game.
const withoutWebGl = (base) => inBrowser(['--disable-webgl'], async (page) => {
  const fetched = [];
  page.on('request', (request) => fetched.push(path.basename(request.url())));
  await page.goto(base, { waitUntil: 'load' });
  const problem = await page.$eval('#problem', (p) => getComputedStyle(p).display !== 'none' && p.textContent);
  check(/WebGL/.test(problem) && !fetched.includes('index.js'), `without WebGL, the page says so: ${problem}`);
});

const types = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm', '.ico': 'image/x-icon' };
const server = http.createServer((request, response) => {
  const name = path.normalize(decodeURIComponent(request.url.split('?')[0])).replace(/^\/$/, '/index.html');
  const file = path.join(site, name);
  fs.readFile(file, (error, body) => {
    response.writeHead(error ? 404 : 200, { 'Content-Type': types[path.extname(file)] || 'application/octet-stream' });
    response.end(error ? '' : body);
  });
});
server.listen(0, '127.0.0.1', async () => {
  const base = `http://127.0.0.1:${server.address().port}/`;
  try {
    await play(base);
    await withoutWebGl(base);
  } catch (error) {
    check(false, `the browser run: ${error.stack}`);
  }
  server.close();
  console.log(failures ? `${failures} checks failed` : 'The web build passes in chromium');
  process.exit(failures ? 1 : 0);
});
