// SPDX-License-Identifier: MIT
// Debian's Firefox ESR, headless, driven over WebDriver BiDi by puppeteer-core, for
// engines_test.py: one request a line on standard input ([op, argument], as JSON), one answer a
// line on standard output ({"ok": result} or {"error": message}). Closing standard input closes
// the browser, so it never outlives the test that started it.
import readline from 'node:readline';
import puppeteer from 'puppeteer-core';

const browser = await puppeteer.launch({
  browser: 'firefox',
  executablePath: process.env.KORRU_FIREFOX || '/usr/bin/firefox-esr',
  protocol: 'webDriverBiDi',
  headless: true,
  defaultViewport: null,
  // The snapshot tool's pictures are Japanese.
  extraPrefsFirefox: {'intl.accept_languages': 'ja', 'intl.locale.requested': 'ja'},
});
const page = (await browser.pages())[0] ?? (await browser.newPage());

const ops = {
  goto: async url => void (await page.goto(url)),
  viewport: ([width, height]) => page.setViewport({width, height}),
  // A function body with `arguments`, as WebDriver's Execute Script takes it.
  js: ([body, args]) => page.evaluate((body, args) => new Function(body).apply(null, args), body, args),
  click: selector => page.click(selector),
  // A key pressed where the focus is, as WebDriver names it ("\ue00c" is Escape).
  key: key => page.keyboard.press(key === '\ue00c' ? 'Escape' : key),
  // [["move", x, y] | ["down"] | ["up"], ...]: the mouse, in CSS pixels of the viewport.
  mouse: async steps => {
    for (const [what, x, y] of steps) {
      if (what === 'move') await page.mouse.move(x, y);
      else await page.mouse[what]();
    }
  },
};

const answer = reply => process.stdout.write(JSON.stringify(reply) + '\n');
answer({ok: await browser.version()});
for await (const line of readline.createInterface({input: process.stdin})) {
  const [op, argument] = JSON.parse(line);
  try {
    answer({ok: (await ops[op](argument)) ?? null});
  } catch (e) {
    answer({error: String(e && e.message || e)});
  }
}
await browser.close();
