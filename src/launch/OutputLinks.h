#pragma once
// Places in a tool's output that name a file and a line: "file:line",
// "file:line:column" (gcc, clang, make, grep -n) and Python's
// '  File "x.py", line N'.
#include <QString>
#include <functional>
#include <optional>

namespace tw {

struct OutputLink {
    QString file;
    int line = 0;
    int column = 0;   // 0 when the output names none
    bool operator==(const OutputLink&) const = default;
};

// The place a line of output names, the file as written there; nothing when
// it names none.
std::optional<OutputLink> FindOutputLink(const QString& line);

// The link's file as an existing path: taken against folder when relative,
// and, when that names no file, the last word of it alone ("In file included
// from a.h" gives "a.h"). Empty when no file exists under either name.
QString ResolveLinkFile(const QString& file, const QString& folder,
                        const std::function<bool(const QString&)>& isFile = {});

} // namespace tw
