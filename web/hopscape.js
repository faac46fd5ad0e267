// The page's side of the demonstration: it draws what the core asks on a 2D canvas, lays the
// window's controls over the drawing as the page's own elements, hands clicks and timer ticks to
// the core with performance.now(), and sets its timers from the delays the core returns. Every
// rule (what a click does, where a control stands, what is drawn) is the core's.
"use strict";

const Hopscape = (() => {
    const canvas = () => document.getElementById("drawing");
    let ctx = null;
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
    const KIND = { list: 0, command: 1, check: 2, router: 3, network: 4, brk: 5, cost: 6, table: 7 };
    const LEFT = 1;
    const RIGHT = 2;

    const size = () => {
        const stage = document.getElementById("stage");
        return [stage.clientWidth, stage.clientHeight];
    };

    function paint() {
        const [w, h] = size();
        const c = canvas();
        const ratio = window.devicePixelRatio || 1;
        if (c.width !== Math.round(w * ratio) || c.height !== Math.round(h * ratio)) {
            c.width = Math.round(w * ratio);
            c.height = Math.round(h * ratio);
        }
        ctx.setTransform(ratio, 0, 0, ratio, 0, 0);
        core._hs_paint(w, h);
    }

    // Sets the tick timer from the delay the core gave (none where it is negative), and the
    // frame timer from the one it keeps.
    function schedule(delay) {
        clearTimeout(tickTimer);
        tickTimer = delay >= 0 ? setTimeout(tick, delay) : null;
        clearTimeout(frameTimer);
        const frame = core._hs_frame_delay();
        frameTimer = frame >= 0 ? setTimeout(() => { schedule(core._hs_tick_none ? -1 : delay); refresh(); }, frame) : null;
    }

    // Every event handed to the core with its time, as "tick 1200" or "click 7 1 1500", for a
    // test to replay through the native core.
    const events = [];
    const now = (event) => {
        const time = Math.floor(performance.now());
        events.push(`${event} ${time}`);
        return time;
    };

    function tick() {
        schedule(core._hs_tick(now("tick")));
        refresh();
    }

    // A click on the control at `position` in the Tab order.
    function click(position, button) {
        schedule(core._hs_click(position, button, now(`click ${position} ${button}`)));
        refresh();
    }

    function make(item) {
        let element;
        if (item.kind === KIND.list) {
            element = document.createElement("select");
            element.addEventListener("change", () => {
                schedule(core.ccall("hs_choose", "number", ["string", "number"],
                                    [element.value, now(`choose ${element.selectedIndex}`)]));
                refresh();
            });
        } else if (item.kind === KIND.check) {
            element = document.createElement("label");
            const box = document.createElement("input");
            box.type = "checkbox";
            box.addEventListener("change", () => {
                schedule(core._hs_split(box.checked ? 1 : 0, now(`split ${box.checked ? 1 : 0}`)));
                refresh();
            });
            element.append(box, document.createElement("span"));
        } else if (item.kind === KIND.cost || item.kind === KIND.table) {
            element = document.createElement("div");
            element.className = item.kind === KIND.cost ? "spot" : "table";
            element.tabIndex = 0;
            element.setAttribute("role", item.kind === KIND.cost ? "button" : "table");
            if (item.kind === KIND.cost) {
                // A tap or click raises the cost; a right click or a long press lowers it.
                let held = null;
                let lowered = false;
                element.addEventListener("pointerdown", (e) => {
                    lowered = false;
                    if (e.pointerType !== "mouse") {
                        held = setTimeout(() => { lowered = true; click(item.position, RIGHT); }, 500);
                    }
                });
                element.addEventListener("pointerup", () => clearTimeout(held));
                element.addEventListener("click", () => { if (!lowered) click(item.position, LEFT); });
                element.addEventListener("contextmenu", (e) => {
                    e.preventDefault();
                    if (!lowered) click(item.position, RIGHT);
                });
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

    // Brings the page's controls up to date with the core: place, caption, colour, shown or not.
    function sync() {
        const [w, h] = size();
        const state = JSON.parse(core.UTF8ToString(core._hs_controls(w, h)));
        state.controls.forEach((item, position) => { item.position = position; });
        for (const item of state.controls) {
            const element = elements.get(item.name) || make(item);
            elements.set(item.name, element);
            const [left, top, width, height] = item.box;
            Object.assign(element.style, {
                left: `${left}px`, top: `${top}px`, width: `${width}px`,
                height: item.kind === KIND.list ? "auto" : `${height}px`,
                fontSize: `${item.font}px`,
                display: item.visible ? "" : "none",
            });
            if (item.spoken) element.setAttribute("aria-label", item.spoken);
            if (item.kind === KIND.list) {
                if (element.options.length !== state.scenarios.length) {
                    element.replaceChildren(...state.scenarios.map((name) => new Option(name, name)));
                }
                element.value = state.scenario;
            } else if (item.kind === KIND.check) {
                element.querySelector("input").checked = state.split;
                element.querySelector("span").textContent = item.caption;
            } else if (element.tagName === "BUTTON") {
                element.textContent = item.caption;
                element.style.background = colour(item.colour);
            }
        }
        document.getElementById("stage").setAttribute("aria-description", state.status);
    }

    function refresh() {
        paint();
        sync();
    }

    // The address's parameters are the command line's options.
    function options() {
        const lines = [];
        for (const [name, value] of new URLSearchParams(location.search)) lines.push(`${name}=${value}`);
        return lines.join("\n");
    }

    async function open() {
        ctx = canvas().getContext("2d");
        await Promise.all(['12px "Liberation Sans"', 'bold 12px "Liberation Sans"', 'bold 12px "DejaVu Sans"']
            .map((f) => document.fonts.load(f).catch(() => null)));
        core = await HopscapeCore();
        const problem = core.ccall("hs_start", "string", ["string"], [options()]);
        if (problem) {
            const p = document.getElementById("problem");
            p.textContent = problem;
            p.hidden = false;
        }
        window.addEventListener("resize", refresh);
        refresh();
        document.getElementById("cmbSims").focus();
        Hopscape.ready = true;
    }

    // The demonstration as its file would hold it, for a test to compare.
    const state = () => core.UTF8ToString(core._hs_state());

    // Whether the tick timer sleeps: nothing moves.
    const sleeping = () => tickTimer === null;

    return { draw, open, state, sleeping, events, ready: false };
})();
window.Hopscape = Hopscape;
