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
                widthMeta.content = `width=${pageWidth}`;
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

    // A long press on a touch screen comes as the browser's context menu event alone, which Qt's
    // web platform does not take for a right-button press: the window is given one there.
    let pointerType = "mouse";
    container.addEventListener("pointerdown", (event) => { pointerType = event.pointerType; }, true);
    const pressRightButton = (event) => {
        const target = event.composedPath()[0];
        const where = { clientX: event.clientX, clientY: event.clientY, screenX: event.screenX, screenY: event.screenY };
        for (const [type, buttons] of [["pointerdown", 2], ["pointerup", 0]]) {
            target.dispatchEvent(new PointerEvent(type, {
                ...where, bubbles: true, composed: true, cancelable: true, pointerId: 1,
                pointerType: "mouse", isPrimary: true, button: 2, buttons,
            }));
        }
    };

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
        if (pointerType === "touch") {
            pressRightButton(event);
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
