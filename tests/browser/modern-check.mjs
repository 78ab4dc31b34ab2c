// Loads generated pages in headless Chromium at a visitor's window widths and
// reports what a visitor and a screen reader meet, one line per finding as
// page.key=value (values URI-encoded), then done=1. The C++ test decides
// what is right.
//
//   node modern-check.mjs CHROMIUM FOLDER PAGE...
//
// Uses the system's Chromium (never downloads one) with a fresh profile.

import { join } from 'node:path';
import { axe, printReport, put, withChromium } from './browser-run.mjs';

const [executablePath, folder, ...pages] = process.argv.slice(2);
const widths = [320, 390, 1280];

// What the page shows at the current width.
function measure() {
  const view = document.documentElement;
  const shown = el => el.getClientRects().length > 0 && getComputedStyle(el).visibility !== 'hidden';
  const result = { scrollWidth: view.scrollWidth, innerWidth: window.innerWidth, spread: 0, hidden: [], texts: {},
                   bold: {}, links: {} };
  const months = [...document.querySelectorAll('table.qby-month')].map(t => t.getBoundingClientRect());
  result.monthColumns = new Set(months.map(b => Math.round(b.left))).size;
  result.monthWidths = new Set(months.map(b => Math.round(b.width))).size;
  for (const table of document.querySelectorAll('table.qby-month')) {
    const heads = [...table.querySelectorAll('thead th')].filter(shown).map(th => th.getBoundingClientRect().width);
    if (heads.length === 7) result.spread = Math.max(result.spread, Math.max(...heads) - Math.min(...heads));
  }
  for (const cell of document.querySelectorAll('td.qby-day:not(.qby-free)')) {
    const text = cell.querySelector('.qby-ev');
    const box = cell.getBoundingClientRect();
    const fits = text && shown(text) && box.left >= -1 && box.right <= window.innerWidth + 1 &&
                 text.scrollWidth <= text.clientWidth + 1 && cell.scrollWidth <= cell.clientWidth + 1;
    if (!fits) result.hidden.push(cell.id);
    if (!text) continue;
    result.texts[cell.id] = text.innerText;
    // Whether any of the text is bold, and the addresses it links to.
    const walker = document.createTreeWalker(text, NodeFilter.SHOW_TEXT);
    let bold = false;
    for (let n = walker.nextNode(); n; n = walker.nextNode())
      if (n.textContent.trim() && parseInt(getComputedStyle(n.parentElement).fontWeight, 10) >= 600) bold = true;
    result.bold[cell.id] = bold ? 1 : 0;
    result.links[cell.id] = [...text.querySelectorAll('a')].map(a => a.href).join(' ');
  }
  return result;
}

await withChromium(executablePath, async context => {
  for (const name of pages) {
    const page = await context.newPage();
    const errors = [];
    page.on('console', m => { if (m.type() === 'error') errors.push(m.text()); });
    page.on('pageerror', e => errors.push(String(e)));
    page.on('requestfailed', r => errors.push(`failed: ${r.url()}`));
    try {
      for (const width of widths) {
        await page.setViewportSize({ width, height: 900 });
        await page.goto(`file://${join(folder, name)}`, { waitUntil: 'load' });
        const m = await page.evaluate(measure);
        put(name, `w${width}.scroll`, `${m.scrollWidth}/${m.innerWidth}`);
        put(name, `w${width}.spread`, m.spread.toFixed(2));
        put(name, `w${width}.hidden`, m.hidden.join(','));
        put(name, `w${width}.monthColumns`, m.monthColumns);
        put(name, `w${width}.monthWidths`, m.monthWidths);
        if (width === 1280) {
          for (const [id, text] of Object.entries(m.texts)) put(name, `text.${id}`, text);
          for (const [id, bold] of Object.entries(m.bold)) put(name, `bold.${id}`, bold);
          for (const [id, links] of Object.entries(m.links)) if (links) put(name, `links.${id}`, links);
        }
        if (width === 390 || width === 1280) put(name, `w${width}.axe`, (await axe(page)).join('\n'));
      }
      const pdf = await page.pdf({ format: 'A4', landscape: true, printBackground: true });
      put(name, 'printPages', (pdf.toString('latin1').match(/\/Type\s*\/Page[^s]/g) || []).length);
    } catch (e) {
      put(name, 'failure', e.message);
    }
    put(name, 'console', errors.join('\n'));
    await page.close();
  }
});
printReport();
