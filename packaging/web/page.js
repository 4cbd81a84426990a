// The page around Gridwick's window: it starts the program with Qt's loader, says how loading
// went, and offers the program (as gridwickPage) what Qt's web platform leaves to the page: a
// live region for screen readers, the leave-page question, printing, and the end of the run.
"use strict";

(() => {
    const container = document.getElementById("screen");
    const state = document.getElementById("state");
    const ended = document.getElementById("ended");
    const told = document.getElementById("told");
    const printout = document.getElementById("printout");
    const widthMeta = document.querySelector('meta[name="viewport"]');

    let askBeforeLeaving = false;

    window.gridwickPage = {
        fitWindow(width, height) {
            container.style.width = `${width}px`;
            container.style.height = `${height}px`;
            // A screen narrower than the page lays it out at the page's width, scaled to fit.
            const pageWidth = document.getElementById("page").offsetWidth;
            if (window.screen.width < pageWidth) {
                const scale = window.screen.width / pageWidth;
                widthMeta.content = `width=${pageWidth}, initial-scale=${scale}, minimum-scale=${scale}`;
            }
        },
        say(line) {
            told.textContent = line;
        },
        askBeforeLeaving(ask) {
            askBeforeLeaving = ask;
        },
        showEnded(text) {
            askBeforeLeaving = false;
            container.hidden = true;
            told.textContent = "";
            ended.textContent = text;
            ended.hidden = false;
        },
        print(png, scale) {
            // The picture is copied out of the program's memory at once.
            const picture = URL.createObjectURL(new Blob([png], { type: "image/png" }));
            const previous = printout.src;
            printout.onload = () => {
                printout.style.width = `${printout.naturalWidth / scale}px`;
                window.print();
            };
            printout.src = picture;
            if (previous.startsWith("blob:")) {
                URL.revokeObjectURL(previous);
            }
        },
        languageAsked() {
            return new URLSearchParams(window.location.search).get("lang") ?? "";
        },
    };

    // A long press on a touch screen is the right button's press. Some browsers send it as the
    // context menu event, which Qt's web platform does not take for one, and some (Safari) send
    // nothing: the window is given the press itself, once per touch.
    const longPressTime = 500;
    const slack = 10; // how far a finger may move and still be held in place, in CSS pixels
    let pointerType = "mouse";
    let held = null;
    const pressRightButton = () => {
        clearTimeout(held.timer);
        if (held.pressed) {
            return;
        }
        held.pressed = true;
        for (const [type, buttons] of [["pointerdown", 2], ["pointerup", 0]]) {
            held.target.dispatchEvent(new PointerEvent(type, {
                ...held.where, bubbles: true, composed: true, cancelable: true, pointerId: 1,
                pointerType: "mouse", isPrimary: true, button: 2, buttons,
            }));
        }
    };
    container.addEventListener("pointerdown", (event) => {
        pointerType = event.pointerType;
        if (event.pointerType === "touch") {
            const { clientX, clientY, screenX, screenY } = event;
            held = { target: event.composedPath()[0], where: { clientX, clientY, screenX, screenY }, pressed: false };
            held.timer = setTimeout(pressRightButton, longPressTime);
        }
    }, true);
    const letGo = () => clearTimeout(held?.timer);
    container.addEventListener("pointerup", letGo, true);
    container.addEventListener("pointercancel", letGo, true);
    container.addEventListener("pointermove", (event) => {
        if (held && Math.hypot(event.clientX - held.where.clientX, event.clientY - held.where.clientY) > slack) {
            letGo();
        }
    }, true);

    // After a right-button press Qt's web platform leaves the page's focus on the body, where
    // keys reach neither the window nor its pop-up: the focus goes back to the window drawn
    // last, the pop-up, whose keys Qt takes.
    const focusTopWindow = () => {
        const root = container.firstElementChild?.shadowRoot;
        const drawn = root ? [...root.querySelectorAll(".qt-window-content")] : [];
        if (document.activeElement === document.body && drawn.length > 0) {
            drawn[drawn.length - 1].focus({ preventScroll: true });
        }
    };

    container.addEventListener("contextmenu", (event) => {
        event.preventDefault();
        if (pointerType === "touch" && held) {
            pressRightButton();
        }
        setTimeout(focusTopWindow);
    });

    // Closing or reloading the tab after a pick: the browser asks in its own words.
    window.addEventListener("beforeunload", (event) => {
        if (askBeforeLeaving) {
            event.preventDefault();
            event.returnValue = "";
        }
    });

    async function start() {
        if (typeof WebAssembly !== "object") {
            state.textContent = ": this browser cannot run it, as it lacks WebAssembly.";
            return;
        }
        try {
            await qtLoad({
                qt: {
                    entryFunction: window.gridwick_entry,
                    containerElements: [container],
                    onLoaded: () => { state.textContent = ""; },
                    onExit: (exit) => {
                        if (exit.crashed || (exit.code ?? 0) !== 0) {
                            state.textContent = ` stopped: ${exit.text ?? `status ${exit.code}`}.`;
                        }
                    },
                },
            });
        } catch (error) {
            state.textContent = ` could not be loaded: ${error.message ?? error}.`;
        }
    }

    start();
})();
