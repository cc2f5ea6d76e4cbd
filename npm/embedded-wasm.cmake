# Run after linking the package's module: its WebAssembly is inside it, as
# a data: address, which Emscripten's loader would still fetch() where
# fetch exists (a page's Content-Security-Policy may forbid that). Without
# the fetch it decodes the bytes itself. Fails if the loader changed shape.
#   cmake -DMODULE=core.js -P embedded-wasm.cmake
file(READ ${MODULE} code)
set(fetching [[if(typeof fetch=="function"){return fetch(wasmBinaryFile,]])
string(FIND "${code}" "${fetching}" at)
if(at LESS 0)
  message(FATAL_ERROR "${MODULE}: the loader's fetch of its WebAssembly is not where it was")
endif()
string(REPLACE "${fetching}" [[if(false){return fetch(wasmBinaryFile,]] code "${code}")
file(WRITE ${MODULE} "${code}")
