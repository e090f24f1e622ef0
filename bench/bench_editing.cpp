// How fast the block commands are on big selections: Indent and Unindent of
// 100,000 lines, Change Case of 10 MB, each one replace of the block (one
// undo step). Prints one line per figure with its aim beside it.
#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>

#include "editing/BlockIndent.h"
#include "editing/CaseConversion.h"
#include "editing/EditControl.h"
#include "editing/EditingCommands.h"
#include "editing/EditLines.h"
#include "util/ScriptedPrompts.h"

using namespace tw;

namespace {

constexpr int kLines = 100000;
constexpr qsizetype kCaseSize = 10 * 1024 * 1024;

// Source-like lines, some indented, mixed line breaks as files have them.
QByteArray manyLines(int count) {
    QByteArray text;
    for (int i = 0; i < count; ++i) {
        text += (i % 3 == 0) ? "    " : (i % 3 == 1 ? "\t" : "");
        text += "int value" + QByteArray::number(i) + " = compute(index, offset); // Note\n";
    }
    return text;
}

QByteArray mixedCaseText(qsizetype size) {
    const QByteArray unit("The Quick brown FOX jumps over the lazy dog; Gr\xC3\xB6\xC3\x9F" "e\r\n");
    QByteArray text;
    text.reserve(size + unit.size());
    while (text.size() < size)
        text += unit;
    return text;
}

template <typename F> double millisecondsOf(F work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

void report(const char* what, double ms, const char* aim) {
    std::printf("%-46s %9.1f ms   (aim: %s)\n", what, ms, aim);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    EditControl edit;
    ScriptedPrompts prompts;
    EditingCommands commands(edit, prompts);

    edit.loadBytes(manyLines(kLines), TextEncoding::Utf8, "\n");
    std::printf("text of %d lines, %lld bytes\n", EditLines(edit).count() - 1,
                static_cast<long long>(edit.length()));
    edit.selectAll();
    report("Indent of 100,000 selected lines", millisecondsOf([&] { commands.Indent(); }),
           "well under 1000 ms");
    report("Unindent of 100,000 selected lines", millisecondsOf([&] { commands.Unindent(); }),
           "well under 1000 ms");
    report("Unindent again (two thirds still indented)",
           millisecondsOf([&] { commands.Unindent(); }), "well under 1000 ms");
    report("Undo of that Unindent (one step)", millisecondsOf([&] { edit.undo(); }),
           "well under 1000 ms");

    edit.loadBytes(mixedCaseText(kCaseSize), TextEncoding::Utf8, "\r\n");
    std::printf("text of %lld bytes\n", static_cast<long long>(edit.length()));
    for (const auto& [name, change] :
         {std::pair{"Change Case Upper of 10 MB selected", CaseChange::Upper},
          std::pair{"Change Case Lower of 10 MB selected", CaseChange::Lower},
          std::pair{"Change Case Title of 10 MB selected", CaseChange::Title}}) {
        edit.selectAll();
        report(name, millisecondsOf([&] { commands.ChangeCase(change); }), "well under 1000 ms");
    }
    return 0;
}
