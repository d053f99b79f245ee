// libFuzzer entry for the object file reader. The whole build needs the coverage hooks, so
// configure a separate tree with clang:
//   CXX=clang++ cmake -S . -B /tmp/build-fuzz -G Ninja -DCATCHSCALE_RECORDBOOK_FUZZER=ON
//       -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined"
//   cmake --build /tmp/build-fuzz --target recordbook_fuzzer
//   mkdir /tmp/corpus && cp tests/recordbook/data/*.Bin /tmp/corpus
//   ASAN_OPTIONS=detect_leaks=0 /tmp/build-fuzz/tests/recordbook/recordbook_fuzzer
//       -max_total_time=600 /tmp/corpus
// (fontconfig keeps its caches until the end, which the leak checker would report.)
#include "platform/FontSubstitutions.h"
#include "recordbook/ObjectFileReader.h"

#include <QGuiApplication>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // Labels are measured in their fonts, which needs an application object.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    installFontSubstitutions();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data),
                                                     qsizetype(size));
    AnnotationStore store;
    readLabelFile(bytes, store);
    readLineFile(bytes, store);
    readMarkerFile(bytes, store);
    return 0;
}
