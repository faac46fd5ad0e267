// The page's side of the demonstration: it draws what the core asks on a 2D canvas, lays the
// window's controls over the drawing as the page's own elements, hands clicks and timer ticks to
// the core with performance.now(), and sets its timers from the delays the core returns. Every
// rule (what a click does, where a control stands, what is drawn) is the core's.
"use strict";

const Hopscape = (() => {
    const canvas = () => document.getElementById("drawing");
    let ctx = null;
    let shownCtx = null;
    let keptCanvas = null;
    let deviceRatio = 1;
    const metricsCache = new Map();

    const colour = (bgr) => `rgb(${bgr & 255},${(bgr >> 8) & 255},${(bgr >> 16) & 255})`;
    const font = (pixels, bold, heavy) =>
        `${bold ? "bold " : ""}${pixels}px ${heavy ? '"DejaVu Sans"' : '"Liberation Sans"'}, sans-serif`;
    const metrics = (pixels, bold, heavy) => {
        const key = font(pixels, bold, heavy);
        if (!metricsCache.has(key)) {
            ctx.font = key;
            const m = ctx.measureText("Hg");
            metricsCache.set(key, [m.fontBoundingBoxAscent, m.fontBoundingBoxDescent]);
        }
        return metricsCache.get(key);
    };

    // The canvas the core draws on (its WebCanvas calls these), in CSS pixels.
    const draw = {
        fill(x, y, w, h, c) {
            ctx.fillStyle = colour(c);
            ctx.fillRect(x, y, w, h);
        },
        line(x1, y1, x2, y2, c, width, round) {
            if (c < 0) return;
            ctx.beginPath();
            ctx.moveTo(x1, y1);
            ctx.lineTo(x2, y2);
            ctx.lineWidth = width;
            ctx.lineCap = round ? "round" : "square";
            ctx.strokeStyle = colour(c);
            ctx.stroke();
        },
        shape(ellipse, x, y, w, h, border, width, fill) {
            ctx.beginPath();
            if (ellipse) {
                ctx.ellipse(x + w / 2, y + h / 2, Math.max(0, w / 2), Math.max(0, h / 2), 0, 0, 2 * Math.PI);
            } else {
                ctx.rect(x, y, w, h);
            }
            if (fill >= 0) {
                ctx.fillStyle = colour(fill);
                ctx.fill();
            }
            if (border >= 0) {
                ctx.lineWidth = width;
                ctx.lineJoin = "bevel";
                ctx.strokeStyle = colour(border);
                ctx.stroke();
            }
        },
        text(x, y, w, h, text, pixels, bold, heavy, c, centre, clip, squeeze) {
            ctx.save();
            if (clip) {
                ctx.beginPath();
                ctx.rect(x, y, w, h);
                ctx.clip();
            }
            ctx.font = font(pixels, bold, heavy);
            ctx.fillStyle = colour(c);
            ctx.textBaseline = "alphabetic";
            const ascent = metrics(pixels, bold, heavy)[0];
            if (squeeze < 1) {
                ctx.translate(x, y);
                ctx.scale(squeeze, 1);
                ctx.textAlign = "left";
                ctx.fillText(text, 0, ascent);
            } else {
                ctx.textAlign = centre ? "center" : "left";
                ctx.fillText(text, centre ? x + w / 2 : x, y + ascent);
            }
            ctx.restore();
        },
        textAt(x, y, text, pixels, bold, heavy, c, squeeze) {
            ctx.save();
            ctx.font = font(pixels, bold, heavy);
            ctx.fillStyle = colour(c);
            ctx.textBaseline = "alphabetic";
            ctx.textAlign = "left";
            ctx.translate(x, y);
            ctx.scale(squeeze, 1);
            ctx.fillText(text, 0, 0);
            ctx.restore();
        },
        advance(text, pixels, bold, heavy) {
            ctx.font = font(pixels, bold, heavy);
            return ctx.measureText(text).width;
        },
        metrics,
        // The still layer is kept in a canvas of its own, copied under whatever moved.
        still(w, h) {
            keptCanvas = keptCanvas || document.createElement("canvas");
            keptCanvas.width = Math.round(w * deviceRatio);
            keptCanvas.height = Math.round(h * deviceRatio);
            shownCtx = ctx;
            ctx = keptCanvas.getContext("2d");
            ctx.setTransform(deviceRatio, 0, 0, deviceRatio, 0, 0);
        },
        shown() {
            ctx = shownCtx;
        },
        copyStill(x, y, w, h) {
            // Whole device pixels, copied one to one.
            const r = deviceRatio;
            const left = Math.floor(x * r);
            const top = Math.floor(y * r);
            const across = Math.min(Math.ceil((x + w) * r), keptCanvas.width) - left;
            const down = Math.min(Math.ceil((y + h) * r), keptCanvas.height) - top;
            if (across <= 0 || down <= 0) return;
            ctx.save();
            ctx.setTransform(1, 0, 0, 1, 0, 0);
            ctx.drawImage(keptCanvas, left, top, across, down, left, top, across, down);
            ctx.restore();
        },
        clip(x, y, w, h) {
            ctx.save();
            ctx.beginPath();
            ctx.rect(x, y, w, h);
            ctx.clip();
        },
        moveTo(x, y) {
            ctx.save();
            ctx.translate(x, y);
        },
        restore() {
            ctx.restore();
        },
    };

    let core = null;
    let tickTimer = null;
    let frameTimer = null;
    const elements = new Map();
    let shownControls = "";
    let shownTexts = "";
    const KIND = { list: 0, command: 1, check: 2, router: 3, network: 4, brk: 5, cost: 6, table: 7 };
    const LEFT = 1;
    const LONG_PRESS = 500; // milliseconds a finger rests for what a right click does
    const RIGHT = 2;

    // Held upright on a phone, the page is laid out for it and scrolls: then how tall the drawing
    // is (the canvas, the tables under it), else 0.
    let phone = 0;
    const size = () => {
        if (phone) return [window.innerWidth, window.innerHeight];
        const stage = document.getElementById("stage");
        return [stage.clientWidth, stage.clientHeight];
    };

    const coarse = window.matchMedia("(pointer: coarse)");

    function layout() {
        phone = core._hs_viewport(window.innerWidth, window.innerHeight);
        // Turned from upright, the stage gives up the page's length before its room is read.
        if (!phone) document.getElementById("stage").style.height = "";
        document.documentElement.classList.toggle("phone", phone > 0);
        document.documentElement.classList.toggle("touch", coarse.matches);
    }

    function paint(w, h) {
        const tall = phone || h;
        const c = canvas();
        c.style.height = phone ? `${tall}px` : "";
        deviceRatio = window.devicePixelRatio || 1;
        // A canvas sized anew is blank; its size or ratio changed, so the core draws it all.
        if (c.width !== Math.round(w * deviceRatio) || c.height !== Math.round(tall * deviceRatio)) {
            c.width = Math.round(w * deviceRatio);
            c.height = Math.round(tall * deviceRatio);
        }
        ctx.setTransform(deviceRatio, 0, 0, deviceRatio, 0, 0);
        return core._hs_paint(w, tall, deviceRatio) === 1;
    }

    // Held upright, the page is as tall as all it holds, the pad's bar kept clear at the bottom.
    function fitPage() {
        const stage = document.getElementById("stage");
        if (!phone) {
            stage.style.height = "";
            return;
        }
        let bottom = phone;
        for (const element of stage.querySelectorAll("#controls > *, #status, #meter, #strip")) {
            if (!element.hidden && element.style.display !== "none") {
                bottom = Math.max(bottom, element.offsetTop + element.offsetHeight);
            }
        }
        const pad = document.getElementById("pad");
        stage.style.height = `${bottom + 8 + (pad.hidden ? 0 : pad.offsetHeight)}px`;
    }

    // Sets the tick timer from the delay the core gave (none where it is negative), and the
    // frame timer from the one it keeps.
    function schedule(delay) {
        clearTimeout(tickTimer);
        tickTimer = delay >= 0 ? setTimeout(tick, delay) : null;
        due = delay >= 0 ? performance.now() + delay : null;
        frames(core._hs_frame_delay());
    }

    // Sets the frame timer: framed rows clear when their time is up.
    function frames(delay) {
        clearTimeout(frameTimer);
        frameTimer = delay >= 0 ? setTimeout(() => {
            frames(core._hs_frames(now()));
            refresh();
        }, delay) : null;
    }

    // The time an event is handed to the core with: whole milliseconds since the page opened.
    const now = () => Math.floor(performance.now());

    // How late ticks fell, and how long a frame took, for a benchmark to read.
    let due = null;
    const timing = { ticks: 0, latest: 0, frames: 0, painting: 0, late: [] };

    function tick() {
        const late = due === null ? 0 : performance.now() - due;
        timing.ticks += 1;
        timing.latest = Math.max(timing.latest, late);
        if (late > 20 && timing.late.length < 100) timing.late.push([performance.now(), late]);
        const delay = core._hs_tick(now());
        schedule(delay);
        const start = performance.now();
        // The controls over the drawing follow a tick that only moved packets and wrote tables
        // (the tables' rows, for a screen reader and a tap) every fifth tick and when the ticks
        // stop: making them is a quarter of a tick's script.
        ticksSinceControls += 1;
        refresh(ticksSinceControls >= 5 || delay < 0);
        timing.frames += 1;
        timing.painting += performance.now() - start;
    }

    // A click on the control at `position` in the Tab order.
    function click(position, button) {
        schedule(core._hs_click(position, button, now()));
        refresh();
    }

    function make(item) {
        let element;
        if (item.kind === KIND.list) {
            element = document.createElement("select");
            element.addEventListener("change", () => {
                // The list shows the core's choice, whatever was picked.
                shownControls = "";
                element.standing = null;
                schedule(core.ccall("hs_choose", "number", ["string", "number"],
                                    [element.value, now()]));
                refresh();
            });
        } else if (item.kind === KIND.check) {
            element = document.createElement("label");
            const box = document.createElement("input");
            box.type = "checkbox";
            box.addEventListener("change", () => {
                shownControls = "";
                element.standing = null;
                schedule(core._hs_split(box.checked ? 1 : 0, now()));
                refresh();
            });
            element.append(box, document.createElement("span"));
        } else if (item.kind === KIND.cost || item.kind === KIND.table) {
            element = document.createElement("div");
            element.className = item.kind === KIND.cost ? "spot" : "table";
            element.tabIndex = 0;
            element.setAttribute("role", item.kind === KIND.cost ? "button" : "table");
            if (item.kind === KIND.table) {
                // The row whose band's middle lies nearest, where bands overlap.
                const rowAt = (e) => {
                    controlsNow();
                    const y = e.clientY - element.getBoundingClientRect().top;
                    const near = (r) => Math.abs(y - r.top - r.height / 2);
                    return (element.rows ?? []).filter((r) => y >= r.top && y < r.top + r.height)
                        .sort((a, b) => near(a) - near(b))[0];
                };
                const long = magnifying(element, item.index);
                element.addEventListener("click", (e) => {
                    if (!long()) showWhy(rowAt(e), e.clientX, e.clientY);
                });
                element.addEventListener("mousemove", (e) => { element.title = rowAt(e)?.why ?? ""; });
            }
            if (item.kind === KIND.cost) {
                // A tap or click raises the cost; a right click or a long press lowers it.
                const long = secondary(element, () => click(item.position, RIGHT));
                element.addEventListener("click", () => { if (!long()) click(item.position, LEFT); });
                element.addEventListener("keydown", (e) => {
                    if (e.key === "+" || e.key === "ArrowUp" || e.key === "Enter" || e.key === " ") {
                        e.preventDefault();
                        click(item.position, LEFT);
                    } else if (e.key === "-" || e.key === "ArrowDown") {
                        e.preventDefault();
                        click(item.position, RIGHT);
                    }
                });
            }
        } else {
            element = document.createElement("button");
            element.type = "button";
            element.addEventListener("click", () => click(item.position, LEFT));
        }
        element.id = item.name;
        document.getElementById("controls").append(element);
        return element;
    }

    // A right click or a long press on `element` does `action`; the function returned tells
    // whether the last press was a long one, so that the click ending it does nothing more.
    function secondary(element, action) {
        let held = null;
        let long = false;
        element.addEventListener("pointerdown", (e) => {
            long = false;
            if (e.pointerType !== "mouse") held = setTimeout(() => { long = true; action(); }, LONG_PRESS);
        });
        element.addEventListener("pointerup", () => clearTimeout(held));
        element.addEventListener("contextmenu", (e) => {
            e.preventDefault();
            if (!long) action();
        });
        return () => long;
    }

    // A right click or a long press on a table magnifies it beside the drawing, or shrinks it back.
    const magnifying = (element, router) => secondary(element, () => {
        core._hs_magnify(router);
        refresh();
    });

    // Why a table's row reads as it does, in a note beside the finger or the mouse; the next
    // click anywhere, or Escape, closes it.
    function showWhy(row, x, y) {
        const note = document.getElementById("why");
        if (!row) {
            note.hidden = true;
            return;
        }
        note.textContent = row.why;
        note.hidden = false;
        const [w, h] = size();
        note.style.left = `${Math.max(0, Math.min(x + 12, w - note.offsetWidth))}px`;
        note.style.top = `${Math.max(0, Math.min(y + 12, h - note.offsetHeight))}px`;
    }

    // Brings the page's controls up to date with the core: place, caption, colour, shown or not.
    // A caption wider than its control (another language's) is written smaller, never cut: on a
    // phone no smaller than 12 px, elsewhere to 40 % at most.
    function fitText(element, font) {
        const phone = document.documentElement.classList.contains("phone");
        const least = Math.max(font * 0.4, phone ? 12 : 1);
        for (let size = font; overrun(element) > 1 && size > least;) {
            size = Math.max(least, size * 0.92);
            element.style.fontSize = `${size}px`;
        }
    }

    // How far what an element holds runs wider than the room inside its padding, in CSS pixels.
    function overrun(element) {
        const range = document.createRange();
        range.selectNodeContents(element);
        const style = getComputedStyle(element);
        const room = element.getBoundingClientRect().width - parseFloat(style.paddingLeft) -
            parseFloat(style.paddingRight) - parseFloat(style.borderLeftWidth) -
            parseFloat(style.borderRightWidth);
        return range.getBoundingClientRect().width - room;
    }

    function sync(w, h) {
        const text = core.UTF8ToString(core._hs_controls(w, h));
        // Most ticks change none of them.
        if (text === shownControls) return;
        shownControls = text;
        const state = JSON.parse(text);
        state.controls.forEach((item, position) => { item.position = position; });
        for (const item of state.controls) {
            const element = elements.get(item.name) || make(item);
            elements.set(item.name, element);
            // Each control written again only where it changed: writing one lays out and paints
            // it again, and the tables' rows change on most ticks while the rest stand still.
            const standing = JSON.stringify([item, item.kind === KIND.list ? [state.scenarios, state.scenario]
                : item.kind === KIND.check ? state.split : 0]);
            if (element.standing === standing) continue;
            element.standing = standing;
            const [left, top, width, height] = item.box;
            Object.assign(element.style, {
                left: `${left}px`, top: `${top}px`, width: `${width}px`,
                height: item.kind === KIND.list ? "auto" : `${height}px`,
                fontSize: `${item.font}px`,
                fontWeight: item.bold ? "bold" : "normal",
                display: item.visible ? "" : "none",
            });
            // A control smaller than a finger takes its tap from a finger's square round it.
            const grown = item.tap[0] > width || item.tap[1] > height;
            element.classList.toggle("grown", grown);
            element.style.setProperty("--tap-w", `${item.tap[0]}px`);
            element.style.setProperty("--tap-h", `${item.tap[1]}px`);
            if (item.spoken) element.setAttribute("aria-label", item.spoken);
            if (item.kind === KIND.list) {
                // A demonstration's own scenario, which the list does not offer, shows as the
                // desktop's list shows it: its name, not to be picked again.
                // Each scenario comes as [its name, the name shown].
                const known = state.scenarios.map(([name]) => name);
                const names = known.includes(state.scenario) ? state.scenarios
                    : [...state.scenarios, [state.scenario, state.scenario]];
                if ([...element.options].map((o) => o.value).join("\n") !== names.map(([name]) => name).join("\n")) {
                    element.replaceChildren(...names.map(([name, shown]) => new Option(shown, name)));
                    if (names.length > state.scenarios.length) element.lastChild.disabled = true;
                }
                element.value = state.scenario;
            } else if (item.kind === KIND.check) {
                element.querySelector("input").checked = state.split;
                element.querySelector("span").textContent = item.caption;
                fitText(element, item.font);
            } else if (item.kind === KIND.table) {
                // Row by row, for a screen reader: each row a cell of its own.
                // Each row says why it reads so: to a screen reader, under the mouse, and in a
                // note on a tap or click.
                element.rows = item.rows;
                const said = JSON.stringify(item.rows);
                if (element.dataset.rows !== said) {
                    element.dataset.rows = said;
                    element.replaceChildren(...item.rows.map((r) => {
                        const row = document.createElement("div");
                        row.setAttribute("role", "row");
                        const cell = document.createElement("span");
                        cell.setAttribute("role", "cell");
                        cell.setAttribute("aria-description", r.why);
                        cell.className = "spoken";
                        cell.textContent = r.said;
                        row.append(cell);
                        return row;
                    }));
                }
            } else if (element.tagName === "BUTTON") {
                element.textContent = item.caption;
                element.style.background = colour(item.colour);
                fitText(element, item.font);
            }
        }
        // Over each magnified table, a place that takes its right click or long press; made
        // again only when the tables moved, not under a finger resting on one.
        const over = document.getElementById("magnified");
        const standing = JSON.stringify(state.magnified);
        if (over.dataset.standing !== standing) {
            over.dataset.standing = standing;
            over.replaceChildren(...state.magnified.map((m) => {
                const spot = document.createElement("div");
                const [left, top, width, height] = m.box;
                Object.assign(spot.style, { left: `${left}px`, top: `${top}px`,
                                            width: `${width}px`, height: `${height}px` });
                magnifying(spot, m.router);
                return spot;
            }));
        }
        syncCells(state.question);
    }

    // ---- A question: cells over the rows asked, typed in by keyboard or with the pad.

    const PAD_BAR = 44; // CSS pixels: a finger's height
    let cellsFor = 0; // the question the cells were made for, by its number
    let cellInUse = null;

    function syncCells(question) {
        const holder = document.getElementById("cells");
        if (!question) {
            if (holder.childElementCount) holder.replaceChildren();
            cellsFor = 0;
            return;
        }
        if (question.number !== cellsFor) {
            cellsFor = question.number;
            holder.setAttribute("aria-label", question.prompt);
            holder.replaceChildren(...question.cells.map((cell) => {
                const input = document.createElement("input");
                input.className = "cell";
                input.value = cell.start;
                input.setAttribute("aria-label", cell.name);
                input.title = cell.name;
                input.autocomplete = "off";
                input.spellcheck = false;
                input.maxLength = 8;
                // A touch screen types with the pad: its own keyboard would cover the tables.
                input.inputMode = "none";
                input.addEventListener("focus", () => { cellInUse = input; });
                input.addEventListener("keydown", (e) => {
                    if (e.key === "Enter") {
                        e.preventDefault();
                        answer();
                    }
                });
                return input;
            }));
            cellInUse = holder.firstChild;
            cellInUse?.focus();
            cellInUse?.select();
        }
        question.cells.forEach((cell, i) => {
            const [left, top, width, height] = cell.box;
            Object.assign(holder.children[i].style, {
                left: `${left}px`, top: `${top}px`, width: `${width}px`, height: `${height}px`,
                fontSize: `${Math.max(8, height * 0.6)}px`,
            });
        });
    }

    function answer() {
        // Blanks mean nothing in an answer; without them the event log keeps it as one word.
        const given = [...document.getElementById("cells").children]
            .map((c) => c.value.replace(/[\s|]+/g, ""));
        if (following.send && !following.exploring) {
            // Following, the answer goes to the lecturer; the last one sent counts.
            const message = core.ccall("hs_follow_answer", "string", ["string"], [given.join("\n")]);
            if (message) following.send(message);
            following.answered = given;
            document.activeElement?.blur();
            return;
        }
        schedule(core.ccall("hs_answer", "number", ["string", "number"],
                            [given.join("\n"), now()]));
        refresh();
        document.activeElement?.blur();
    }

    // A pad key: typed where the core says (a letter after a number goes on to its next hop), or
    // the answer checked.
    function padKey(key) {
        if (key === "Check") {
            answer();
            return;
        }
        const cells = [...document.getElementById("cells").children];
        if (!cells.length) return;
        const at = Math.max(0, cells.indexOf(cellInUse));
        const inUse = cells[at];
        const selected = inUse.value.length > 0 && inUse.selectionStart === 0 &&
            inUse.selectionEnd === inUse.value.length;
        const [cell, text, next] = JSON.parse(core.ccall("hs_pad", "string",
            ["string", "number", "string", "number"],
            [cells.map((c) => c.value).join("\n"), at, key, selected ? 1 : 0]));
        cells[cell].value = text;
        cellInUse = cells[next];
        cellInUse.focus();
        cellInUse.setSelectionRange(cellInUse.value.length, cellInUse.value.length);
    }

    // The caption strip, the meter and the help button, as the core words and places them.
    function syncTexts(w, h) {
        const text = core.UTF8ToString(core._hs_texts(w, h));
        if (text !== shownTexts) {
            shownTexts = text;
            placeTexts(JSON.parse(text));
        }
        syncLog();
    }

    // The log's lines as shown, counted from the first the demonstration wrote: the first shown
    // and the next to come. Lines come only at the end and go only from the front, so the log
    // takes the new ones a line each, and lets the oldest go as the core drops them: a long log
    // is not laid out again as it grows.
    const logShown = { first: 0, next: 0 };
    function syncLog() {
        const log = document.getElementById("log");
        if (log.hidden) return;
        const [kept, ...lines] = core.UTF8ToString(core._hs_log_since(logShown.next)).split("\n");
        lines.pop(); // after the last line's newline
        const first = Number(kept);
        const shown = log.querySelector(".lines");
        if (logShown.next < first) {
            // Lines dropped before they were shown: shown afresh from the oldest kept.
            shown.replaceChildren();
            logShown.first = logShown.next = first;
        }
        for (; logShown.first < first && shown.firstChild; logShown.first += 1) {
            shown.firstChild.remove();
        }
        shown.append(...lines.map((line) => {
            const row = document.createElement("div");
            row.textContent = line;
            return row;
        }));
        logShown.next += lines.length;
    }

    // What each of the status line, the strip, the meter and the help button last showed: each is
    // written again only where it changed (the status line changes on most ticks, the rest seldom,
    // and writing one lays it out and paints it again).
    const placed = {};
    const changed = (part, value) => {
        const standing = JSON.stringify(value);
        if (placed[part] === standing) return false;
        placed[part] = standing;
        return true;
    };

    // A box 0 pixels tall is as tall as its text.
    const place = (element, box, font) => Object.assign(element.style, {
        left: `${box[0]}px`, top: `${box[1]}px`, width: `${box[2]}px`,
        height: box[3] > 0 ? `${box[3]}px` : "auto", fontSize: `${font}px`,
    });

    function placeTexts(texts) {
        if (changed("status", texts.status)) {
            // The status line, drawn on the canvas (or, on a phone, written under it), is the
            // drawing's description to a screen reader.
            document.getElementById("stage").setAttribute("aria-description", texts.status.text);
            const status = document.getElementById("status");
            if (status.hidden !== !texts.status.shown) status.hidden = !texts.status.shown;
            if (texts.status.shown) {
                place(status, texts.status.box, 13);
                status.textContent = texts.status.text;
            }
        }
        if (changed("strip", [texts.strip, window.innerWidth, window.innerHeight, phone])) placeStrip(texts.strip);
        if (changed("meter", texts.meter)) placeMeter(texts.meter);
        if (changed("help", texts.help)) place(document.getElementById("help"), texts.help.box, texts.help.font);
        if (changed("follow", texts.follow)) placeFollow(texts.follow);
    }

    // A follower's bar: what it says, and its button, which explores or follows again.
    function placeFollow(bar) {
        const holder = document.getElementById("follow");
        holder.hidden = !bar.said;
        holder.querySelector(".said").textContent = bar.said;
        const button = holder.querySelector("button");
        button.hidden = !bar.button;
        button.textContent = bar.button;
        following.explores = bar.explores;
    }

    function placeStrip(texts) {
        const strip = document.getElementById("strip");
        strip.hidden = !texts.shown;
        place(strip, texts.box, texts.font);
        strip.style.background = colour(texts.back);
        strip.style.color = colour(texts.text);
        const caption = strip.querySelector(".caption");
        if (caption.textContent !== texts.caption) caption.textContent = texts.caption;
        strip.querySelector(".detail").textContent = texts.detail;
        const keys = strip.querySelector(".keys");
        keys.textContent = texts.keys;
        keys.style.fontSize = `${texts["small font"]}px`;
        keys.style.color = colour(texts["step text"]);
        // The caption's letters as large as the strip allows, smaller for a long caption, so that
        // it never runs onto the line of keys below it.
        for (let pixels = texts.font; pixels > 6 && strip.scrollHeight > strip.clientHeight; --pixels) {
            strip.style.fontSize = `${pixels - 1}px`;
        }
        // On a touch screen the strip steps a lesson by its own buttons, or a swipe.
        const steps = strip.querySelector(".steps");
        steps.querySelector(".back").disabled = texts["back step"] < 0;
        steps.querySelector(".next").disabled = texts["next step"] < 0;
        stepIds.back = texts["back step"];
        stepIds.next = texts["next step"];
        const pad = document.getElementById("pad");
        pad.hidden = !texts.shown || texts.pad.length === 0;
        // Keys a finger can hit: where the drawing is drawn too small for that on a touch screen
        // (a phone), the pad stands along the bottom of the screen at a finger's size instead.
        // The drawing then makes room above it, so that the strip stays in sight.
        const [, , , padHeight] = texts["pad box"];
        const finger = coarse.matches ? 40 : 16;
        const bar = !pad.hidden &&
            (phone > 0 || document.body.classList.contains("padbar") || padHeight < finger);
        // In rows of keys a finger wide and tall (Check as wide as two), as many as it takes.
        const across = Math.max(1, Math.floor(window.innerWidth / PAD_BAR));
        const rows = Math.ceil((texts.pad.length + 1) / across);
        pad.style.setProperty("--across", across);
        if (bar) {
            place(pad, [0, window.innerHeight - rows * PAD_BAR, window.innerWidth, rows * PAD_BAR], 15);
        } else {
            place(pad, texts["pad box"], texts["small font"] * 1.2);
        }
        const clear = bar && !phone ? `${rows * PAD_BAR}px` : "";
        if (bar !== document.body.classList.contains("padbar") ||
            document.getElementById("stage").style.bottom !== clear) {
            document.body.classList.toggle("padbar", bar);
            document.getElementById("stage").style.bottom = clear;
            requestAnimationFrame(refresh);
        }
        if (pad.dataset.keys !== texts.pad.join(" ")) {
            pad.dataset.keys = texts.pad.join(" ");
            pad.replaceChildren(...texts.pad.map((key) => {
                const button = document.createElement("button");
                button.type = "button";
                button.textContent = key;
                button.tabIndex = -1; // the keyboard types in the cells themselves
                if (key === "\u232B") button.setAttribute("aria-label", say("Erase"));
                // Pressed without taking the focus from the cell in use.
                button.addEventListener("pointerdown", (e) => e.preventDefault());
                button.addEventListener("click", () => padKey(key));
                return button;
            }));
        }
        for (const button of pad.children) button.disabled = !texts.answering;
    }

    function placeMeter(texts) {
        const meter = document.getElementById("meter");
        meter.hidden = !texts.shown;
        place(meter, texts.box, texts.font);
        meter.querySelector(".rules").textContent = texts.rules;
        meter.querySelector(".state").textContent = texts.state;
        meter.querySelector(".since").textContent = texts.since;
        // As large as the core says, smaller only where the text would not fit its box.
        for (let font = texts.font; !meter.hidden && font > texts["least font"] &&
             meter.scrollHeight > meter.clientHeight + 1; font *= 0.95) {
            meter.style.fontSize = `${Math.max(font * 0.95, texts["least font"])}px`;
        }
    }

    // The controls as the demonstration stands, where ticks went by since they were made.
    function controlsNow() {
        if (ticksSinceControls > 0) {
            const [w, h] = size();
            sync(w, h);
            ticksSinceControls = 0;
        }
    }

    // Brings the page up to date; after a tick, the controls only where `controls` is true or more
    // than packets and tables changed.
    let ticksSinceControls = 0;
    function refresh(controls = true) {
        layout();
        // Read once: reading the page's size lays it out first wherever it changed.
        const [w, h] = size();
        if (paint(w, h) || controls) {
            sync(w, h);
            ticksSinceControls = 0;
        }
        syncTexts(w, h);
        fitPage();
    }

    // The strip's Back and Next, for a touch screen: the extras they stand for, -1 for none.
    const stepIds = { back: -1, next: -1 };
    function step(which) {
        if (stepIds[which] >= 0) extra(stepIds[which]);
    }

    // Everything drawn afresh, the kept still layer too.
    function redraw() {
        core._hs_redraw();
        refresh();
    }

    // ---- The extras: a menu on a right click or a long press on the drawing, and their keys.

    const extras = () => JSON.parse(core.UTF8ToString(core._hs_extras()));

    // "Ctrl+Shift+Right" as the core writes keys, for the key pressed.
    function pressed(e) {
        const names = { PageDown: "PgDown", PageUp: "PgUp", ArrowRight: "Right", ArrowLeft: "Left",
                        ArrowUp: "Up", ArrowDown: "Down", Period: ".", Escape: "Esc" };
        let key = names[e.code] || names[e.key] || e.key;
        if (e.code.startsWith("Key")) key = e.code.slice(3);
        if (e.code.startsWith("Digit")) key = e.code.slice(5);
        return [e.ctrlKey && "Ctrl", e.altKey && "Alt", e.shiftKey && "Shift", key]
            .filter(Boolean).join("+");
    }
    const same = (a, b) => a !== "" && a.split("+").sort().join("+") === b.split("+").sort().join("+");

    function extra(id) {
        const job = core.ccall("hs_extra", "string", ["number", "number"], [id, now()]);
        schedule(core._hs_tick_delay());
        refresh();
        jobs[job]?.();
    }

    function download(name, text, type) {
        const link = document.createElement("a");
        link.href = URL.createObjectURL(new Blob([text], { type }));
        link.download = name;
        link.click();
        setTimeout(() => URL.revokeObjectURL(link.href), 1000);
    }

    function toggle(id) {
        const element = document.getElementById(id);
        element.hidden = !element.hidden;
        if (!element.hidden) element.focus();
        dock();
    }

    // The drawing makes room for the log or the help while either is open.
    function dock() {
        const open = ["log", "helptext"].some((id) => !document.getElementById(id).hidden);
        document.body.classList.toggle("docked", open);
        refresh();
    }

    // The window's picture with its controls, at twice the device's pixels.
    function picture() {
        const [w, h] = size();
        const ratio = 2 * (window.devicePixelRatio || 1);
        const image = document.createElement("canvas");
        image.width = Math.round(w * ratio);
        image.height = Math.round(h * ratio);
        const shown = ctx;
        ctx = image.getContext("2d");
        ctx.setTransform(ratio, 0, 0, ratio, 0, 0);
        core._hs_picture(w, h);
        ctx = shown;
        return image;
    }

    // Asks in the page's own dialogue: the value of the choice made (with a `field`, what was
    // typed in it), or null when it was closed with Cancel or Escape.
    function ask(title, question, choices, field = null) {
        const dialog = document.getElementById("ask");
        dialog.querySelector("h2").textContent = title;
        dialog.querySelector("label span").textContent = question;
        const input = dialog.querySelector("input");
        input.hidden = field === null;
        input.readOnly = false;
        input.style.width = field?.readOnly ? "min(30em, 80vw)" : "";
        if (field) Object.assign(input, field);
        const buttons = [...choices, [say("Cancel"), ""]].map(([label, value]) => {
            const button = document.createElement("button");
            button.value = value;
            button.textContent = label;
            return button;
        });
        dialog.querySelector(".choices").replaceChildren(...buttons);
        dialog.returnValue = "";
        dialog.showModal();
        (field ? input : buttons[0]).focus();
        return new Promise((resolve) => dialog.addEventListener("close", () => {
            const chosen = dialog.returnValue;
            resolve(chosen === "" ? null : field ? input.value : chosen);
        }, { once: true }));
    }

    const file = (what) => core.ccall("hs_file", "string", ["string"], [what]);
    // What the page does for an extra the core leaves to it.
    const jobs = {
        "log": () => toggle("log"),
        "help": () => {
            document.querySelector("#helptext pre").textContent = core.UTF8ToString(core._hs_help());
            toggle("helptext");
        },
        // Where the browser gives the page no clipboard (a page served from another machine) or
        // refuses it, the picture is saved instead, and the page says so.
        "copy picture": () => picture().toBlob(async (blob) => {
            const copied = await (navigator.clipboard?.write([new ClipboardItem({ "image/png": blob })])
                .then(() => true, () => false) ?? Promise.resolve(false));
            if (copied) return;
            download("hopscape.png", blob, "image/png");
            tell(say("No clipboard on this page: the picture was saved as {file} instead.", { file: "hopscape.png" }));
        }),
        "save picture": async () => {
            const kind = await ask(say("Save the picture"), say("The window's picture, with its controls:"),
                                   [[say("PNG picture"), "png"], [say("SVG drawing, sharp at any size"), "svg"]]);
            if (kind === "svg") {
                const [w, h] = size();
                download("hopscape.svg", core.UTF8ToString(core._hs_svg(w, h)), "image/svg+xml");
            } else if (kind === "png") {
                picture().toBlob((blob) => download("hopscape.png", blob, "image/png"));
            }
        },
        "enter full screen": () => document.documentElement.requestFullscreen?.().catch(() => null),
        "full screen": () => (document.fullscreenElement ? document.exitFullscreen()
            : document.documentElement.requestFullscreen?.())?.catch?.(() => null),
        "black screen": () => {
            const black = document.getElementById("black");
            black.hidden = false;
            black.focus();
        },
        "hold-down time": async () => {
            const q = JSON.parse(core.UTF8ToString(core._hs_hold_down_question()));
            const field = { type: "number", min: q.least, max: q.most, step: 1, value: q.value };
            const given = await ask(q.title, q.question, [[say("OK"), "ok"]], field);
            const seconds = Number(given);
            if (given !== null && Number.isInteger(seconds) && seconds >= q.least && seconds <= q.most) {
                schedule(core._hs_hold_down(seconds, now()));
                refresh();
            }
        },
        "open": () => document.getElementById("file").click(),
        "save demonstration": () => download("demonstration.json", file("demonstration"), "application/json"),
        "save recording": () => {
            download("lesson.json", file("recording"), "application/json");
            core._hs_recording_saved(now());
            refresh();
        },
        "export log": () => download("log.txt", file("log"), "text/plain"),
        "export tables": () => download("tables.csv", file("tables"), "text/csv"),
    };

    // ---- A link to this moment: the whole demonstration, compressed, in the link's fragment.

    const unbase64url = (text) => Uint8Array.from(
        atob(text.replace(/-/g, "+").replace(/_/g, "/")), (c) => c.charCodeAt(0));
    const squeeze = async (bytes, way) => new Uint8Array(
        await new Response(new Blob([bytes]).stream().pipeThrough(way)).arrayBuffer());

    async function copyLink() {
        const bytes = await squeeze(new TextEncoder().encode(file("demonstration")),
                                    new CompressionStream("deflate-raw"));
        let binary = "";
        for (let i = 0; i < bytes.length; i += 8192) {
            binary += String.fromCharCode(...bytes.subarray(i, i + 8192));
        }
        const text = btoa(binary).replace(/\+/g, "-").replace(/\//g, "_").replace(/=+$/, "");
        const link = `${location.origin}${location.pathname}#demonstration=${text}`;
        Hopscape.link = link;
        history.replaceState(null, "", link);
        // Said when it is copied; where the browser gives the page no clipboard (a page served
        // from another machine) or refuses it, the link is shown, selected, to copy by hand.
        const copied = await (navigator.clipboard?.writeText(link).then(() => true, () => false)
            ?? Promise.resolve(false));
        if (copied) {
            tell(say("Link copied: whoever opens it sees this moment of the demonstration."));
        } else {
            const shown = ask(say("A link to this demonstration"),
                              say("Copy this link; whoever opens it sees this moment:"), [[say("Close"), "ok"]],
                              { type: "text", value: link, readOnly: true });
            const input = document.querySelector("#ask input");
            input.select();
            await shown;
        }
    }

    // A short note at the bottom of the screen that goes by itself.
    function tell(text) {
        const note = document.getElementById("told");
        note.textContent = text;
        note.hidden = false;
        clearTimeout(tell.timer);
        tell.timer = setTimeout(() => { note.hidden = true; }, 4000);
    }

    // Opens the demonstration a link carries, if it carries one.
    async function openLink() {
        const given = new URLSearchParams(location.hash.slice(1)).get("demonstration");
        if (!given) return;
        try {
            const bytes = await squeeze(unbase64url(given), new DecompressionStream("deflate-raw"));
            await openFile(new File([bytes], "the link"));
        } catch {
            alert(say("The link's demonstration cannot be read: it was cut short or changed."));
        }
    }

    function closeMenu() {
        const menu = document.getElementById("menu");
        if (!menu.hidden) {
            menu.hidden = true;
            lastFocus?.focus();
        }
    }
    let lastFocus = null;

    function openMenu(x, y) {
        const menu = document.getElementById("menu");
        const { extras: list, lessons, tables } = extras();
        menu.replaceChildren();
        const item = (label, keys, action, checked, enabled) => {
            const button = document.createElement("button");
            button.type = "button";
            button.setAttribute("role", checked === null ? "menuitem" : "menuitemcheckbox");
            if (checked !== null) button.setAttribute("aria-checked", String(checked));
            button.disabled = !enabled;
            button.innerHTML = "<span class=tick></span><span class=label></span><span class=keys></span>";
            button.querySelector(".tick").textContent = checked ? "\u2713" : "";
            button.querySelector(".label").textContent = label;
            button.querySelector(".keys").textContent = keys;
            button.addEventListener("click", () => { closeMenu(); action(); });
            menu.append(button);
        };
        for (const e of list) {
            item(e.label, e.keys, () => extra(e.id), e.kind === "plain" ? null : e.checked, e.enabled);
            if (e["lessons after"]) {
                lessons.forEach((title, index) => item(title, "", () => {
                    schedule(core._hs_start_lesson(index, now()));
                    refresh();
                }, null, true));
            }
            if (e["link after"]) {
                item(say("Copy a link to this demonstration"), "", copyLink, null, true);
            }
            if (e["ends group"]) menu.append(document.createElement("hr"));
        }
        menu.append(document.createElement("hr"));
        tables.forEach((t, router) => item(t.label, "", () => {
            core._hs_magnify(router);
            refresh();
        }, t.checked, t.enabled));
        lastFocus = document.activeElement;
        menu.hidden = false;
        const [w, h] = size();
        menu.style.left = `${Math.max(0, Math.min(x, w - menu.offsetWidth))}px`;
        menu.style.top = `${Math.max(0, Math.min(y, h - menu.offsetHeight))}px`;
        menu.querySelector("button:not(:disabled)")?.focus();
    }

    function keys(e) {
        const key = pressed(e);
        // A reload by habit (Ctrl+R, which is all of RIP's rules on the desktop; F5) would lose
        // the demonstration: it never happens, whatever is open.
        if (same("Ctrl+R", key) || same("Ctrl+Shift+R", key) || key === "F5") e.preventDefault();
        if (document.getElementById("ask").open) return; // the dialogue's own keys
        const black = document.getElementById("black");
        if (!black.hidden) {
            black.hidden = true;
            e.preventDefault();
            return;
        }
        if (key === "Esc") {
            closeMenu();
            document.getElementById("why").hidden = true;
            for (const id of ["log", "helptext"]) document.getElementById(id).hidden = true;
            dock();
            return;
        }
        if (!document.getElementById("menu").hidden) return;
        // In a cell being answered, plain keys are typed; the lecture's keys with Ctrl or Alt,
        // Page Down and Page Up, and the function keys still work.
        if (e.target.classList?.contains("cell") && !e.ctrlKey && !e.altKey &&
            !/^(Shift\+)?(PgDown|PgUp|F[0-9]+)$/.test(key)) return;
        // The desktop's keys work too where the browser lets the page have them.
        const found = extras().extras.find((x) => same(x.keys, key) || same(x["other keys"], key) ||
                                                  same(x["desktop keys"], key));
        if (found) {
            e.preventDefault();
            if (found.enabled) extra(found.id);
        }
    }

    async function openFile(chosen) {
        if (!chosen) return;
        const bytes = new Uint8Array(await chosen.arrayBuffer());
        const buffer = core._malloc(bytes.length + 1);
        core.HEAPU8.set(bytes, buffer);
        const fault = core.ccall("hs_open", "string", ["number", "number", "string", "number"],
            [buffer, bytes.length, chosen.name, now()]);
        core._free(buffer);
        schedule(core._hs_tick_delay());
        refresh();
        if (fault) alert(fault);
    }

    // The address's parameters are the command line's options; "follow" is the hall's join code.
    function options() {
        const lines = [];
        for (const [name, value] of new URLSearchParams(location.search)) {
            // Where to follow and the language are the page's to take, not the lecture's.
            if (name !== "follow" && name !== "relay" && name !== "lang") lines.push(`${name}=${value}`);
        }
        return lines.join("\n");
    }

    // ---- Following the lecturer's demonstration: its frames come over a WebSocket from the
    // lecturer's program that served this page, or through a relay, and the core plays them. A
    // lost connection is tried again, a second and then longer apart.
    const following = { said: [], frames: 0, stopped: false, send: null, answered: null,
                        exploring: false, explores: true };
    // The bar's button: a copy of the moment of the student's own, its timers running; or back to
    // the lecturer's, which has followed on meanwhile.
    function exploreOrFollow() {
        if (following.explores) {
            if (!core._hs_explore(now())) return;
            following.exploring = true;
            document.body.classList.add("exploring");
            schedule(core._hs_tick_delay());
        } else {
            core._hs_follow_again();
            following.exploring = false;
            document.body.classList.remove("exploring");
            schedule(-1);
        }
        refresh(true);
    }
    // The lecturer's program that served this page: its stream, on the same address.
    function hallChannel(code, relay, on) {
        const scheme = location.protocol === "https:" ? "wss" : "ws";
        const socket = new WebSocket(`${scheme}://${location.host}/stream?follow=${encodeURIComponent(code)}`);
        socket.onopen = on.opened;
        socket.onmessage = (e) => on.message(e.data);
        socket.onclose = on.closed;
        return { send: (text) => { if (socket.readyState === WebSocket.OPEN) socket.send(text); } };
    }

    // Through a relay: the NATS protocol over the browser's WebSocket, as the phones' user, and
    // only what following needs (a client library would outweigh this page's own script). The
    // lecture's events and the replies to this phone's own subject come in; what it sends goes to
    // the lecture's answers with that subject, so that the lecturer tells one phone from another.
    const RELAY_MOST = 8 * 1024 * 1024;
    function relayChannel(code, relay, on) {
        const reply = core.UTF8ToString(core.ccall("hs_relay", "number", ["string"], [code]));
        if (!reply || !/^wss?:\/\/[^\s]+$/.test(relay)) {
            on.note(reply ? `"${relay}" is no relay's address` : `"${code}" is no join code`);
            return { send: () => {} };
        }
        const subjects = JSON.parse(reply);
        const inbox = "_INBOX." + [...crypto.getRandomValues(new Uint32Array(4))]
            .map((n) => n.toString(36)).join("");
        const encoder = new TextEncoder();
        const decoder = new TextDecoder();
        const socket = new WebSocket(relay);
        socket.binaryType = "arraybuffer";
        let pending = new Uint8Array(0);
        let here = null;
        const write = (...parts) => {
            if (socket.readyState !== WebSocket.OPEN) return;
            const bytes = parts.map((p) => (typeof p === "string" ? encoder.encode(p) : p));
            const all = new Uint8Array(bytes.reduce((n, b) => n + b.length, 0));
            bytes.reduce((at, b) => { all.set(b, at); return at + b.length; }, 0);
            socket.send(all);
        };
        const send = (text) => {
            const body = encoder.encode(text);
            write(`PUB ${subjects.answers} ${inbox} ${body.length}\r\n`, body, "\r\n");
        };
        const lineEnd = (bytes, from) => {
            for (let i = from; i + 1 < bytes.length; i++) {
                if (bytes[i] === 13 && bytes[i + 1] === 10) return i;
            }
            return -1;
        };
        socket.onmessage = (e) => {
            const data = typeof e.data === "string" ? encoder.encode(e.data) : new Uint8Array(e.data);
            const bytes = new Uint8Array(pending.length + data.length);
            bytes.set(pending);
            bytes.set(data, pending.length);
            let at = 0;
            for (let end = lineEnd(bytes, at); end >= 0; end = lineEnd(bytes, at)) {
                const line = decoder.decode(bytes.subarray(at, end));
                if (line.startsWith("MSG ")) {
                    const size = Number(line.slice(line.lastIndexOf(" ") + 1));
                    if (!Number.isInteger(size) || size < 0 || size > RELAY_MOST) {
                        on.note("the relay sent a message too long to take");
                        socket.close();
                        return;
                    }
                    if (bytes.length < end + 2 + size + 2) break; // the rest is on its way
                    on.message(decoder.decode(bytes.subarray(end + 2, end + 2 + size)));
                    at = end + 2 + size + 2;
                    continue;
                }
                at = end + 2;
                if (line.startsWith("INFO ")) {
                    const hello = { verbose: false, pedantic: false, user: "follower", pass: "follower",
                                    lang: "hopscape", version: "1", protocol: 1, echo: false };
                    write(`CONNECT ${JSON.stringify(hello)}\r\nSUB ${subjects.events} 1\r\n` +
                          `SUB ${inbox} 2\r\n`);
                    send("snapshot");
                    clearInterval(here);
                    here = setInterval(() => send(subjects.here), subjects.every);
                    on.opened();
                } else if (line === "PING") {
                    write("PONG\r\n");
                } else if (line.startsWith("-ERR")) {
                    on.note(`the relay said ${line.slice(5)}`);
                }
            }
            pending = bytes.slice(at);
            if (pending.length > RELAY_MOST + 1024) socket.close();
        };
        socket.onclose = () => {
            clearInterval(here);
            on.closed();
        };
        return { send };
    }

    function follow(code, relay) {
        core._hs_follow();
        document.body.classList.add("following");
        document.querySelector("#follow button").addEventListener("click", exploreOrFollow);
        const link = (state) => { core._hs_follow_link(state); refresh(false); };
        const LINK = { joining: 0, following: 1, lost: 2, stopped: 3 };
        let channel = null;
        let playTimer = null;
        let retry = 1000;
        const note = (text) => {
            following.said.push(text);
            console.info("following:", text);
        };
        following.send = (text) => channel && channel.send(text);
        const after = (reply) => {
            const r = JSON.parse(reply);
            if (r.said) note(r.said);
            if (r.ask) following.send("snapshot");
            if (r.changed || r.rebuilt) refresh(r.rebuilt);
            clearTimeout(playTimer);
            playTimer = r.next >= 0 ? setTimeout(() => {
                after(core.UTF8ToString(core._hs_follow_play(now())));
            }, r.next) : null;
        };
        const on = {
            note,
            opened: () => { retry = 1000; },
            message: (data) => {
                if (data === "stopped") {
                    following.stopped = true;
                    note("the lecturer stopped letting the hall follow");
                    link(LINK.stopped);
                    return;
                }
                following.frames += 1;
                // A frame come: the connection stands (again).
                core._hs_follow_link(LINK.following);
                after(core.ccall("hs_follow_take", "string", ["string", "number"], [data, now()]));
            },
            closed: () => {
                if (following.stopped) return;
                link(LINK.lost);
                setTimeout(connect, retry);
                retry = Math.min(2 * retry, 10000);
            },
        };
        const connect = () => { channel = (relay ? relayChannel : hallChannel)(code, relay, on); };
        connect();
    }

    // A message in the language the page speaks (the core's catalogue), with its arguments.
    function say(message, args = {}) {
        return core.ccall("hs_translate", "string", ["string", "string"], [message, JSON.stringify(args)]);
    }

    // Speaks the language ?lang= asks for, or the browser's: the one-file page holds every
    // catalogue, the served page fetches the one it needs. Answers why the language asked for
    // cannot be spoken, or "".
    async function speak() {
        const asked = new URLSearchParams(location.search).get("lang");
        const wanted = asked !== null ? [asked] : [...(navigator.languages ?? [navigator.language ?? "en"])];
        const held = window.HopscapeCatalogues;
        const available = held ? Object.keys(held)
            : await fetch("lang/languages.json").then((r) => (r.ok ? r.json() : [])).catch(() => []);
        const chosen = JSON.parse(core.ccall("hs_choose_language", "string", ["string", "string", "number"],
                                             [wanted.join("\n"), available.join("\n"), asked !== null ? 1 : 0]));
        if (chosen.code) {
            const catalogue = held ? held[chosen.code]
                : await fetch(`lang/${chosen.code}.json`).then((r) => (r.ok ? r.text() : "")).catch(() => "");
            if (catalogue && !core.ccall("hs_use_catalogue", "string", ["string"], [catalogue])) {
                document.documentElement.lang = chosen.code;
            }
        }
        // The page's own words, in the language now spoken.
        const words = [
            ["#stage", "aria-label", say("Distance-vector routing: six routers, their networks and their routing tables")],
            ["#pad", "aria-label", say("Keys to answer with")],
            ["#strip .back", "textContent", say("Back")],
            ["#strip .next", "textContent", say("Next")],
            ["#help", "aria-label", say("Help: what the window shows, and its keys")],
            ["#menubutton", "aria-label", say("Extras for the lecture")],
            ["#log", "aria-label", say("Message log")],
            ["#helptext", "aria-label", say("Help")],
        ];
        for (const [selector, attribute, text] of words) {
            const element = document.querySelector(selector);
            if (attribute === "textContent") element.textContent = text;
            else element.setAttribute(attribute, text);
        }
        return chosen.fault;
    }

    async function open() {
        ctx = canvas().getContext("2d");
        await Promise.all(['12px "Liberation Sans"', 'bold 12px "Liberation Sans"', 'bold 12px "DejaVu Sans"']
            .map((f) => document.fonts.load(f).catch(() => null)));
        core = await HopscapeCore();
        const unspoken = await speak();
        const problem = [unspoken, core.ccall("hs_start", "string", ["string"], [options()])]
            .filter((p) => p).join("\n");
        if (problem) {
            const p = document.getElementById("problem");
            p.textContent = problem;
            p.hidden = false;
        }
        window.addEventListener("resize", refresh);
        // A face that arrives late changes the letters: all is drawn again with it.
        document.fonts.addEventListener("loadingdone", redraw);
        document.addEventListener("keydown", keys);
        const stage = document.getElementById("stage");
        stage.addEventListener("contextmenu", (e) => {
            if (e.target.closest("#controls > *, #magnified > *, #menu")) return;
            e.preventDefault();
            openMenu(e.clientX, e.clientY);
        });
        let held = null;
        document.addEventListener("pointerdown", (e) => {
            if (!e.target.closest("#controls .table, #why")) document.getElementById("why").hidden = true;
        }, true);
        document.getElementById("drawing").addEventListener("pointerdown", (e) => {
            closeMenu();
            if (e.pointerType !== "mouse") held = setTimeout(() => openMenu(e.clientX, e.clientY), LONG_PRESS);
        });
        document.getElementById("drawing").addEventListener("pointerup", () => clearTimeout(held));
        document.getElementById("black").addEventListener("click", (e) => { e.currentTarget.hidden = true; });
        document.getElementById("help").addEventListener("click", () => jobs.help());
        // The strip's own Back and Next, and a swipe along it: a lesson stepped by touch.
        const strip = document.getElementById("strip");
        strip.querySelector(".back").addEventListener("click", () => step("back"));
        strip.querySelector(".next").addEventListener("click", () => step("next"));
        let swipeFrom = null;
        strip.addEventListener("touchstart", (e) => {
            swipeFrom = [e.touches[0].clientX, e.touches[0].clientY];
        }, { passive: true });
        strip.addEventListener("touchend", (e) => {
            if (!swipeFrom || !e.changedTouches.length) return;
            const at = e.changedTouches[0];
            const [dx, dy] = [at.clientX - swipeFrom[0], at.clientY - swipeFrom[1]];
            swipeFrom = null;
            if (Math.abs(dx) > 60 && Math.abs(dx) > 2 * Math.abs(dy)) step(dx < 0 ? "next" : "back");
        });
        document.getElementById("menubutton").addEventListener("click", (e) => {
            const r = e.currentTarget.getBoundingClientRect();
            openMenu(r.left, r.bottom);
        });
        const chooser = document.getElementById("file");
        chooser.addEventListener("change", () => { openFile(chooser.files[0]); chooser.value = ""; });
        stage.addEventListener("dragover", (e) => e.preventDefault());
        stage.addEventListener("drop", (e) => { e.preventDefault(); openFile(e.dataTransfer.files[0]); });
        // Leaving with a recording not yet saved asks first.
        window.addEventListener("beforeunload", (e) => {
            if (core._hs_recording()) {
                e.preventDefault();
                e.returnValue = "";
            }
        });
        refresh();
        Hopscape.firstFrame = performance.now();
        const given = new URLSearchParams(location.search);
        const code = given.get("follow");
        if (code) follow(code, given.get("relay"));
        else await openLink();
        // The keyboard starts in the first cell of a question asked at once (practice), else in
        // the scenario list.
        (document.querySelector("#cells input") || document.getElementById("cmbSims")).focus();
        Hopscape.ready = true;
    }

    // The demonstration as its file would hold it, for a test to compare.
    const state = () => core.UTF8ToString(core._hs_state());

    // Whether the tick timer sleeps: nothing moves.
    const sleeping = () => tickTimer === null;

    const svg = () => { const [w, h] = size(); return core.UTF8ToString(core._hs_svg(w, h)); };

    // The lecture's start and every event the core took since, a line each, for a test to replay
    // through the native core.
    const events = () => core.UTF8ToString(core._hs_journal()).split("\n").filter((line) => line);
    return { draw, open, openFile, state, sleeping, events, extra, copyLink, svg, picture, timing, redraw,
             following, ready: false, link: "" };
})();
window.Hopscape = Hopscape;
// Opened once every script of the page has run (the core's comes after this one); no script
// stands inline in the page, which its content policy forbids when a lecturer's program serves it.
document.addEventListener("DOMContentLoaded", () => Hopscape.open());
