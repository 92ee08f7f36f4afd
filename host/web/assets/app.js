// Mirado for TRPG: the session room page. Plain JavaScript, no build step.
// Everything a player or the bot wrote is put into the page as text
// (textContent), never as markup.
"use strict";

(() => {
  const $ = (id) => document.getElementById(id);
  const params = new URLSearchParams(location.search);
  const tableKey = params.get("key") || "";
  const HISTORY_KEY = "mirado.input-history";
  const NICK_KEY = "mirado.nick";
  const ROOM_KEY = "mirado.room";

  let room = (params.get("room") || localStorage.getItem(ROOM_KEY) || "trpg").replace(/^#/, "");
  let nick = "";
  let lastId = 0;
  let source = null;
  let retryTimer = 0;
  let inputHistory = [];
  let historyIndex = -1;
  let draft = "";

  try {
    inputHistory = JSON.parse(localStorage.getItem(HISTORY_KEY) || "[]");
  } catch (e) {
    inputHistory = [];
  }

  const api = (path) => "/api/v1/rooms/" + encodeURIComponent(room) + path;

  async function call(method, path, body) {
    const response = await fetch(api(path), {
      method,
      headers: body ? { "Content-Type": "application/json" } : {},
      body: body ? JSON.stringify(body) : undefined,
      credentials: "same-origin",
    });
    let data = {};
    try {
      data = await response.json();
    } catch (e) {
      data = {};
    }
    if (!response.ok) {
      const error = new Error(data.error || response.status + " " + response.statusText);
      error.status = response.status;
      throw error;
    }
    return data;
  }

  function show(view) {
    for (const id of ["join-view", "room-view", "locked-view"]) $(id).hidden = id !== view;
    $("where").hidden = $("tools").hidden = view !== "room-view";
  }

  function setStatus(text, state) {
    const status = $("status");
    status.textContent = text;
    status.className = "status " + (state || "");
  }

  // ---- the log

  function timeOf(ms) {
    const d = new Date(ms);
    return String(d.getHours()).padStart(2, "0") + ":" + String(d.getMinutes()).padStart(2, "0");
  }

  function badge(text, extra) {
    const b = document.createElement("span");
    b.className = "badge" + (extra ? " " + extra : "");
    b.textContent = text;
    return b;
  }

  function render(event) {
    const item = document.createElement("li");
    item.className = "event " + event.kind;
    item.dataset.id = event.id;
    if (event.private) item.classList.add("private");
    if (event.from) item.classList.add("from");
    if (event.nick === nick && event.kind === "line") item.classList.add("mine");
    const time = document.createElement("time");
    time.dateTime = new Date(event.time).toISOString();
    time.textContent = timeOf(event.time);
    time.title = new Date(event.time).toLocaleString();
    const body = document.createElement("div");
    body.className = "body";
    const who = document.createElement("span");
    who.className = "who";
    if (event.kind === "join") {
      body.textContent = event.nick + " が参加しました";
    } else if (event.kind === "part") {
      body.textContent = "ボットが退室しました（" + event.nick + " の依頼。カウンタとメモは消去）" +
        (event.text ? " — " + event.text : "");
    } else if (event.kind === "line") {
      who.textContent = event.nick;
      body.append(who);
      if (event.private) body.append(badge("秘話"));
      body.append(document.createTextNode(event.text));
    } else {
      who.textContent = "mirado";
      body.append(who);
      if (event.private) body.append(badge(event.to === nick ? "あなたへ" : event.to + " へ"));
      if (event.from) body.append(badge(event.from + " から", "from"));
      body.append(document.createTextNode(event.text));
    }
    item.append(time, body);
    return item;
  }

  function note(text) {
    const item = document.createElement("li");
    item.className = "event note";
    const time = document.createElement("time");
    const body = document.createElement("div");
    body.className = "body";
    body.textContent = text;
    item.append(time, body);
    append(item);
  }

  function append(item) {
    const log = $("log");
    const atBottom = log.scrollHeight - log.scrollTop - log.clientHeight < 80;
    log.append(item);
    if (atBottom) log.scrollTop = log.scrollHeight;
  }

  function receive(event) {
    if (event.id <= lastId) return;  // already shown (a resumed stream never repeats, but be sure)
    lastId = event.id;
    const item = render(event);
    // Highlight what has just been said, not the history a stream starts with.
    if (Date.now() - event.time < 3000) item.classList.add("fresh");
    append(item);
    if (event.kind === "join") refreshPlayers();
  }

  // ---- the stream: resumes after the last event shown, with no gap

  function connect() {
    clearTimeout(retryTimer);
    if (source) source.close();
    setStatus("接続中…");
    source = new EventSource(api("/events?after=" + lastId));
    source.onopen = () => setStatus("接続", "live");
    source.onmessage = (message) => {
      try {
        receive(JSON.parse(message.data));
      } catch (e) {
        console.error(e);
      }
    };
    source.addEventListener("gap", () => note("これより前の発言はログにのみ残っています（「ログを保存」）。"));
    source.onerror = () => {
      setStatus("再接続中…", "down");
      // The browser reconnects by itself (with Last-Event-ID) unless the
      // server refused the stream; then try again, resuming after lastId.
      if (source.readyState === EventSource.CLOSED) retryTimer = setTimeout(connect, 2000);
    };
  }

  async function refreshPlayers() {
    try {
      const info = await call("GET", "");
      $("player-count").textContent = info.players.length;
      const list = $("player-list");
      list.replaceChildren();
      for (const name of info.players) {
        const li = document.createElement("li");
        li.textContent = name + (name === nick ? "（あなた）" : "");
        list.append(li);
      }
    } catch (e) {
      /* shown by the stream's status */
    }
  }

  // ---- joining

  function enter(joinedNick, roomName) {
    nick = joinedNick;
    localStorage.setItem(NICK_KEY, nick);
    localStorage.setItem(ROOM_KEY, room);
    $("room-name").textContent = roomName;
    document.title = roomName + " — Mirado for TRPG";
    const logBase = api("/log?format=");
    $("download").href = logBase + "text";
    $("download-html").href = logBase + "html";
    const url = new URL(location.href);
    url.searchParams.set("room", room);
    history.replaceState(null, "", url);
    show("room-view");
    $("log").replaceChildren();
    lastId = 0;
    connect();
    refreshPlayers();
    $("input").focus();
  }

  async function join(wantedNick) {
    const data = await call("POST", "/join", { nick: wantedNick });
    enter(data.nick, data.room);
    return data;
  }

  $("join-form").addEventListener("submit", async (e) => {
    e.preventDefault();
    $("join-error").textContent = "";
    room = $("room").value.trim().replace(/^#/, "");
    try {
      await join($("nick").value.trim());
    } catch (error) {
      $("join-error").textContent = error.message;
    }
  });

  // ---- saying

  let privateTalk = false;
  $("private").addEventListener("click", () => {
    privateTalk = !privateTalk;
    $("private").setAttribute("aria-pressed", String(privateTalk));
    $("say").classList.toggle("private", privateTalk);
    $("input").placeholder = privateTalk ? "ボットとの秘話（自分だけに見えます）" : "#2D6+3、性格表、#HELP …";
    $("input").focus();
  });

  async function say(text) {
    try {
      return await call("POST", "/lines", { text, private: privateTalk });
    } catch (error) {
      // The server forgot the session (a restart): join again as before.
      if (error.status === 401 && nick) {
        await join(nick);
        return call("POST", "/lines", { text, private: privateTalk });
      }
      throw error;
    }
  }

  $("say").addEventListener("submit", async (e) => {
    e.preventDefault();
    const input = $("input");
    const text = input.value;
    if (!text.trim()) return;
    $("say-error").textContent = "";
    input.value = "";
    if (inputHistory[inputHistory.length - 1] !== text) inputHistory.push(text);
    inputHistory = inputHistory.slice(-100);
    localStorage.setItem(HISTORY_KEY, JSON.stringify(inputHistory));
    historyIndex = -1;
    try {
      await say(text);
    } catch (error) {
      $("say-error").textContent = error.message;
      if (!input.value) input.value = text;
    }
  });

  // Up and down walk through the lines said before.
  $("input").addEventListener("keydown", (e) => {
    if (e.key !== "ArrowUp" && e.key !== "ArrowDown") return;
    if (!inputHistory.length || e.isComposing) return;
    e.preventDefault();
    const input = $("input");
    if (historyIndex === -1) draft = input.value;
    if (e.key === "ArrowUp") {
      historyIndex = historyIndex === -1 ? inputHistory.length - 1 : Math.max(0, historyIndex - 1);
    } else if (historyIndex !== -1) {
      historyIndex = historyIndex + 1 >= inputHistory.length ? -1 : historyIndex + 1;
    }
    input.value = historyIndex === -1 ? draft : inputHistory[historyIndex];
    input.setSelectionRange(input.value.length, input.value.length);
  });

  $("players-button").addEventListener("click", () => {
    $("players").hidden = !$("players").hidden;
  });

  $("invite").addEventListener("click", async () => {
    const url = location.origin + "/?key=" + encodeURIComponent(tableKey) + "&room=" + encodeURIComponent(room);
    try {
      await navigator.clipboard.writeText(url);
      note("招待URLをコピーしました: " + url);
    } catch (e) {
      note("招待URL: " + url);
    }
  });
  if (!tableKey) $("invite").hidden = true;

  // ---- start: back in the room when this browser's session still is

  (async () => {
    $("room").value = room;
    $("nick").value = localStorage.getItem(NICK_KEY) || "";
    try {
      const info = await call("GET", "");
      if (info.you) return enter(info.you, info.room);
    } catch (error) {
      if (error.status === 401) return show("locked-view");
    }
    show("join-view");
    ($("nick").value ? $("join") : $("nick")).focus();
  })();
})();
