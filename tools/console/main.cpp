#include <iostream>
#include <string>

#include "ConsoleSession.h"

int main() {
    std::ios::sync_with_stdio(false);
    vorbia::ConsoleSession session(std::cout);
    bool allUnderstood = true;
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        allUnderstood = session.Execute(line) && allUnderstood;
    }
    return allUnderstood ? 0 : 1;
}
