// Two players (and a third with markup in its nick) in headless Chromium,
// Debian's /usr/bin/chromium driven by playwright-core, against a running
// mirado-web: rolls, a table, a closed roll to a private talk, markup shown
// as text with no script run, a reload that keeps the history, input
// history, the log download, and screenshots of the room.
//
//   node browser_test.mjs URL SCREENSHOT_DIR
// Exit status: 0 passed, 1 failed.
import { chromium } from "playwright-core";
import { mkdirSync, readFileSync } from "node:fs";
import { createInterface } from "node:readline";
import { join } from "node:path";

const [url, shots] = process.argv.slice(2);
const CHROMIUM = process.env.MIRADO_CHROMIUM || "/usr/bin/chromium";
const FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
  "--disable-background-networking", "--disable-component-update", "--disable-sync"];
const started = Date.now();
const log = (text) => console.log(`[${((Date.now() - started) / 1000).toFixed(1).padStart(5)} s] ${text}`);

class Failure extends Error {}
function check(condition, message) {
  if (!condition) throw new Failure(message);
}

const dialogs = [];

async function player(browser, nick, viewport = { width: 1100, height: 760 }) {
  const context = await browser.newContext({ viewport, acceptDownloads: true, locale: "ja-JP" });
  const page = await context.newPage();
  page.on("dialog", async (dialog) => {
    dialogs.push(`${nick}: ${dialog.message()}`);
    await dialog.dismiss();
  });
  page.on("pageerror", (error) => dialogs.push(`${nick}: page error ${error.message}`));
  await page.goto(url + "&room=trpg");
  await page.fill("#nick", nick);
  await page.click("#join");
  await page.waitForSelector("#room-view:not([hidden])");
  await page.waitForSelector("#status.live");
  return page;
}

async function say(page, text, { privately = false } = {}) {
  const pressed = (await page.getAttribute("#private", "aria-pressed")) === "true";
  if (pressed !== privately) await page.click("#private");
  await page.fill("#input", text);
  await page.press("#input", "Enter");
  await page.waitForFunction(() => document.getElementById("input").value === "");
}

// The texts of the room's events, as the player sees them.
const texts = (page) => page.$$eval("#log .event .body", (nodes) => nodes.map((n) => n.textContent));

async function waitForText(page, fragment, timeout = 3000) {
  await page.waitForFunction(
    (f) => [...document.querySelectorAll("#log .event .body")].some((n) => n.textContent.includes(f)),
    fragment, { timeout });
}

// Asks the test's runner (on standard output) to restart the server, and
// waits for its answer on standard input.
const runner = createInterface({ input: process.stdin });
const answers = runner[Symbol.asyncIterator]();
async function restartServer() {
  console.log("RESTART-SERVER");
  const { value } = await answers.next();
  check(value === "restarted", "the runner did not restart the server: " + value);
}

// The ids of the events shown, which must only grow.
const shownIds = (page) => page.$$eval("#log .event[data-id]", (nodes) => nodes.map((n) => Number(n.dataset.id)));

async function main() {
  mkdirSync(shots, { recursive: true });
  const browser = await chromium.launch({ executablePath: CHROMIUM, args: FLAGS, headless: true });
  try {
    const a = await player(browser, "taro");
    const b = await player(browser, "hanako");
    log("two players joined #trpg");

    // A rolls; B sees the line and the answer within a second.
    const before = Date.now();
    await say(a, "#2D6+3");
    await waitForText(b, "#2D6+3", 1000);
    await waitForText(b, "taro -> 2D6+3 = [", 1000);
    log(`B saw A's roll and its answer after ${Date.now() - before} ms`);
    check((await b.$$(".event.answer")).length >= 1, "the answer is not set apart as the bot's");

    // A table through Alias: both see it.
    await say(a, "#MODE NW");
    await waitForText(a, "ナイトウィザード");
    await say(b, "性格表");
    await waitForText(a, "hanako -> 性格表：");
    await waitForText(b, "hanako -> 性格表：");
    log("a table answer reached both");

    // A counter and a deck, as a group plays them.
    await say(a, "#CARD SET 0");
    await waitForText(b, "デッキを設定しました");
    await say(b, "#CARD");
    await waitForText(a, "hanako -> ");
    await say(a, "#COUNT +5");
    await waitForText(b, "taro -> ");

    // A closed roll from A's private talk to B's: B is told, only B; A alone
    // sees the result; neither sees the other's private lines.
    await say(b, "#SET S=taro", { privately: true });
    await say(a, "#SET S=hanako", { privately: true });
    await say(a, "#S 2D6", { privately: true });
    await waitForText(b, "クローズダイスを振りました");
    await waitForText(a, "2D6 = [");
    await new Promise((resolve) => setTimeout(resolve, 400));
    const seenByA = (await texts(a)).join("\n");
    const seenByB = (await texts(b)).join("\n");
    check(!seenByA.includes("クローズダイスを振りました"), "A sees the announcement meant for B");
    check(!seenByB.includes("2D6 = ["), "B sees A's closed result");
    check(!seenByB.includes("#S 2D6"), "B sees A's private line");
    check((await b.$$(".event.answer.private")).length >= 1, "B's private answer is not marked private");
    log("the closed roll's announcement shows only on B's page, the result only on A's");

    // Markup in a nick and a line is text; no script runs.
    const c = await player(browser, "<svg/onload=alert(1)>");
    await say(c, "<img src=x onerror=alert(1)>");
    await waitForText(a, "<img src=x onerror=alert(1)>");
    await waitForText(a, "<svg/onload=alert(1)> が参加しました");
    check((await a.$$("#log img, #log svg, #log script")).length === 0, "markup became elements");
    await new Promise((resolve) => setTimeout(resolve, 300));
    check(dialogs.length === 0, "a script ran: " + dialogs.join("; "));
    log("markup shows as text; no script ran");

    // The input remembers: up brings back the last line.
    await a.focus("#input");
    await a.press("#input", "ArrowUp");
    check((await a.inputValue("#input")) === "#S 2D6", "ArrowUp gave " + (await a.inputValue("#input")));
    await a.press("#input", "ArrowUp");
    check((await a.inputValue("#input")) === "#SET S=hanako", "the second ArrowUp");
    await a.press("#input", "ArrowDown");
    await a.press("#input", "ArrowDown");
    check((await a.inputValue("#input")) === "", "ArrowDown back to the draft");

    // A reload keeps the history (and B's private answer, not A's).
    await b.reload();
    await b.waitForSelector("#room-view:not([hidden])");
    await waitForText(b, "taro -> 2D6+3 = [");
    await waitForText(b, "クローズダイスを振りました");
    check(!(await texts(b)).some((t) => t.includes("#S 2D6")), "B's reload shows A's private line");
    log("a reload keeps the history");

    // The server restarts: the pages reconnect by themselves and resume
    // after the last event they showed, with no gap and no repeat; A's
    // forgotten session joins again with the same nick.
    await restartServer();
    await a.waitForSelector("#status.live", { timeout: 10000 });
    await b.waitForSelector("#status.live", { timeout: 10000 });
    await say(a, "after the restart");
    await waitForText(b, "after the restart", 5000);
    const ids = await shownIds(b);
    check(ids.every((id, i) => i === 0 || id > ids[i - 1]), "B's ids go back or repeat: " + ids);
    check(ids[0] === 1, "B's history does not start at the first event: " + ids.slice(0, 3));
    log("after a restart both pages reconnected and resumed without a repeat");

    // The download button gives the session log.
    const [download] = await Promise.all([a.waitForEvent("download"), a.click("#download")]);
    const saved = readFileSync(await download.path(), "utf8");
    check(saved.includes("<taro> #2D6+3") && saved.includes("性格表："), "the downloaded log: " + saved.slice(0, 300));
    check(saved.includes("#S 2D6") && !saved.includes("クローズダイスを振りました"), "A's log holds A's private lines only");
    log(`the download gave ${download.suggestedFilename()} (${saved.length} characters)`);

    await new Promise((resolve) => setTimeout(resolve, 1500));  // the newest lines' highlight fades
    await b.screenshot({ path: join(shots, "web-room.png") });
    const phone = await player(browser, "phone", { width: 390, height: 780 });
    await waitForText(phone, "hanako -> 性格表：");
    await new Promise((resolve) => setTimeout(resolve, 1500));
    await phone.screenshot({ path: join(shots, "web-room-phone.png") });
    log("screenshots in " + shots);
    check(dialogs.length === 0, "a script ran or a page failed: " + dialogs.join("; "));
    log("passed");
    return 0;
  } finally {
    runner.close();
    await browser.close();
  }
}

main().then((status) => process.exit(status), (error) => {
  log("FAILED: " + (error instanceof Failure ? error.message : error.stack));
  process.exit(1);
});
