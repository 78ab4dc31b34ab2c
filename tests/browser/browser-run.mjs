// What the browser checks share: their report (one page.key=value line per
// finding, values URI-encoded, then done=1), axe-core's WCAG 2.1 A/AA
// violations of a page, and a run in the system's Chromium (never a
// downloaded one) with a fresh profile that is removed afterwards.

import { chromium } from 'playwright-core';
import { createRequire } from 'node:module';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

const require = createRequire(import.meta.url);
const axeSource = readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8');

const out = [];
export const put = (page, key, value) => out.push(`${page}.${key}=${encodeURIComponent(String(value))}`);
export function printReport() {
  out.push('done=1');
  console.log(out.join('\n'));
}

export async function axe(page) {
  await page.addScriptTag({ content: axeSource });
  return page.evaluate(async () => {
    const r = await window.axe.run(document, {
      runOnly: { type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa'] },
    });
    return r.violations.map(v => `${v.id}(${v.nodes.length}): ${v.nodes[0].target.join(' ')}`);
  });
}

// Runs body(context) in headless Chromium at executablePath.
export async function withChromium(executablePath, body) {
  const profile = mkdtempSync(join(tmpdir(), 'quillbay-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath,
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
           '--disable-component-update', '--disable-sync'],
  });
  try {
    await body(context);
  } finally {
    await context.close();
    rmSync(profile, { recursive: true, force: true });
  }
}
