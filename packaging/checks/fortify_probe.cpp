// SPDX-License-Identifier: MIT
// A program with one libc call that fortify can check, built with the flags of every other target:
// a copy into an array of known size, of a length known only at run time. Its build calls
// __memcpy_chk instead of memcpy exactly when the build fortifies (-D_FORTIFY_SOURCE with
// optimisation), which hardening-check then sees (packaging/checks/check_package.sh).
#include <cstddef>
#include <cstring>

int main(int argc, char** argv) {
    char copy[16] = {};
    std::memcpy(copy, argv[0], static_cast<std::size_t>(argc));
    return copy[0] == '\0' ? 1 : 0;
}
