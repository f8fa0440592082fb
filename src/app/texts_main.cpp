// SPDX-License-Identifier: MIT
// korru-texts FILE: writes every text of the model as a line lupdate reads, so the catalogue of
// translations (translations/*.ts) is made from the model's own list. A build tool, not installed.
#include <fstream>
#include <iostream>

#include "bench/description.h"
#include "lesson/texts.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: korru-texts FILE\n";
        return 2;
    }
    std::ofstream out(argv[1], std::ios::trunc);
    out << "// Every text of the model, written by korru-texts for lupdate.\n";
    const std::vector<std::string_view> texts = korru::all_texts();
    for (std::string_view text : texts) {
        out << "QT_TRANSLATE_NOOP(\"korru\", \"";
        for (char c : text) {
            if (c == '"' || c == '\\') out << '\\';
            out << c;
        }
        out << "\");\n";
    }
    out.close();
    if (!out) {
        std::cerr << "korru-texts: cannot write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
