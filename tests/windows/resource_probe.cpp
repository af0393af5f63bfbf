// SPDX-License-Identifier: MIT
// A program that only carries the version record and icon, so that they can be read back.
int main() {
    return 0;
}
