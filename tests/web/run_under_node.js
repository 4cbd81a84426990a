// Runs a test built for the web under Node.js and ends with its status: CTest's emulator for the
// wasm preset. The toolchain makes every program a module factory, which run bare only defines
// itself, prints nothing and exits 0. So this calls the factory, then the test's main.
//   node run_under_node.js TEST.js [ARGUMENT...]
"use strict";

const path = require("path");

const [program, ...args] = process.argv.slice(2);
const factory = require(path.resolve(program));
if (typeof factory !== "function") {
    console.error(`run_under_node.js: ${program} is not a module factory`);
    process.exit(2);
}
factory({ noInitialRun: true, onExit: (status) => process.exit(status) }).then((module) => {
    // Without an exit from the runtime, main's return value is the status.
    process.exit(module.callMain(args));
}, (error) => {
    console.error(`run_under_node.js: ${program} did not start: ${error}`);
    process.exit(2);
});
