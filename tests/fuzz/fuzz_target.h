#pragma once
// The entry point every fuzz target defines: libFuzzer calls it in the fuzz build, and the
// corpus replay's own main in the normal one.
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
