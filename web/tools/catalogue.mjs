// Writes the engine's table of spreads and names as a module of the page, so that the form
// offers the spreads before the engine itself has arrived.
//   node catalogue.mjs baralune.js baralune.wasm OUT.js
import fs from "fs";
import { pathToFileURL } from "url";

const [loader, wasm, out] = process.argv.slice(2);
const { default: BaraluneEngine } = await import(pathToFileURL(loader).href);
const engine = await BaraluneEngine({ wasmBinary: fs.readFileSync(wasm) });
const json = engine.UTF8ToString(engine.ccall("baralune_catalogue", "number", [], []));
JSON.parse(json);  // a table the page cannot read stops the build here
fs.writeFileSync(out, "// Written at build time from the engine: do not edit.\nexport default " + json + ";\n");
