// Loads the pages of a generated site, and host pages holding fragments, in
// headless Chromium at 320, 390 and 1280 px and reports, one line each as
// page.key=value (values URI-encoded), then done=1: sideways scrolling, the
// spread of the seven column widths of every month grid, and axe-core's WCAG
// 2.1 A/AA violations. The C++ test decides what is right. With
// QUILLBAY_SHOTS=FOLDER it also keeps a full-page screenshot of each page at
// each width there.
//
//   node site-check.mjs CHROMIUM FOLDER PAGE...

import { join } from 'node:path';
import { axe, printReport, put, withChromium } from './browser-run.mjs';

const [executablePath, folder, ...pages] = process.argv.slice(2);
const shots = process.env.QUILLBAY_SHOTS;

function measure() {
  const view = document.documentElement;
  let spread = 0, grids = 0;
  for (const table of document.querySelectorAll('table.qby-month, table.qb-month')) {
    const heads = [...table.querySelectorAll('thead th')].filter(th => th.getClientRects().length > 0)
      .map(th => th.getBoundingClientRect().width);
    if (heads.length !== 7) continue;
    ++grids;
    spread = Math.max(spread, Math.max(...heads) - Math.min(...heads));
  }
  return { scroll: `${view.scrollWidth}/${window.innerWidth}`, spread: spread.toFixed(2), grids };
}

await withChromium(executablePath, async context => {
  for (const name of pages) {
    const page = await context.newPage();
    const errors = [];
    page.on('console', m => { if (m.type() === 'error') errors.push(m.text()); });
    page.on('pageerror', e => errors.push(String(e)));
    // Nothing but the page's own folder may be asked for.
    page.on('request', r => { if (!r.url().startsWith('file://')) errors.push(`request: ${r.url()}`); });
    try {
      for (const width of [320, 390, 1280]) {
        await page.setViewportSize({ width, height: 900 });
        await page.goto(`file://${join(folder, name)}`, { waitUntil: 'load' });
        const m = await page.evaluate(measure);
        put(name, `w${width}.scroll`, m.scroll);
        put(name, `w${width}.spread`, m.spread);
        put(name, `w${width}.grids`, m.grids);
        put(name, `w${width}.axe`, (await axe(page)).join('\n'));
        if (shots) await page.screenshot({ path: join(shots, `${name.replace('.html', '')}-${width}.png`), fullPage: true });
      }
    } catch (e) {
      put(name, 'failure', e.message);
    }
    put(name, 'console', errors.join('\n'));
    await page.close();
  }
});
printReport();
