// libFuzzer target for the settings reader: any bytes must read without a
// fault, and what is read must be a fixed point of writing and reading again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "settings/SettingsCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const tw::StoredSettings first = tw::readSettings(bytes);
    const QByteArray written = tw::writeSettings(first);
    const tw::StoredSettings second = tw::readSettings(written);
    if (!(first == second))
        std::abort();
    if (tw::writeSettings(second) != written)
        std::abort();
    return 0;
}
