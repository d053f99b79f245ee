// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Damaged object files fed to the reader. Worth running under AddressSanitizer now and then:
//   cmake -S . -B /tmp/build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug
//         -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-omit-frame-pointer"
//   cmake --build /tmp/build-asan --target recordbook_tests
//   /tmp/build-asan/tests/recordbook/recordbook_tests --gtest_filter='ReaderFuzz*'
#include "GoldenBooks.h"

#include "recordbook/ObjectFileReader.h"
#include "recordbook/RecordFields.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

const char *const HostileLines[] = {
    "NaN", "inf", "-1E999", "1E39", "3.4028235E+38", "-2147483649", "4294967295", "99999",
    "1e-400", "True", "False", "-1", "", "\x82", "\xff\xfe", "0x10", "1D3", "  -.5E+2xyz",
};

class Damage
{
public:
    explicit Damage(std::uint32_t seed) : m_random(seed) {}

    QByteArray apply(QByteArray bytes)
    {
        const int steps = pick(1, 6);
        for (int i = 0; i < steps; ++i)
            step(bytes);
        return bytes;
    }

private:
    int pick(int low, int high) { return std::uniform_int_distribution(low, high)(m_random); }

    qsizetype place(const QByteArray &bytes) { return pick(0, int(bytes.size())); }

    // The start of a random line.
    qsizetype lineStart(const QByteArray &bytes)
    {
        const qsizetype at = place(bytes);
        const qsizetype previous = bytes.lastIndexOf('\n', at - 1);
        return previous < 0 ? 0 : previous + 1;
    }

    void step(QByteArray &bytes)
    {
        switch (pick(0, 6)) {
        case 0: bytes.truncate(place(bytes)); break;
        case 1:
            for (int n = pick(1, 20); n > 0 && !bytes.isEmpty(); --n)
                bytes[place(bytes) % bytes.size()] = char(pick(0, 255));
            break;
        case 2: { // a hostile value instead of one line
            const qsizetype start = lineStart(bytes);
            qsizetype end = bytes.indexOf('\n', start);
            end = end < 0 ? bytes.size() : end;
            const char *line = HostileLines[pick(0, std::size(HostileLines) - 1)];
            bytes.replace(start, end - start, QByteArray(line) + '\r');
            break;
        }
        case 3: { // a run of garbage bytes, line ends among them
            QByteArray garbage(pick(1, 300), '\0');
            for (char &c : garbage)
                c = char(pick(0, 255));
            bytes.insert(place(bytes), garbage);
            break;
        }
        case 4: { // one stretch repeated many times, as a file with far too many records
            const qsizetype start = lineStart(bytes);
            const QByteArray stretch = bytes.mid(start, pick(1, 400));
            if (!stretch.isEmpty())
                bytes.insert(start, stretch.repeated(pick(1, 2000)));
            break;
        }
        case 5: bytes.replace("\r\n", pick(0, 1) ? "\n" : "\r"); break;
        default: bytes.remove(lineStart(bytes), pick(1, 40)); break;
        }
    }

    std::mt19937 m_random;
};

template <class T>
void expectSound(const AnnotationCollection<T> &collection, bool spareOnTop)
{
    ASSERT_LE(collection.UBound(), 32767);
    if (spareOnTop)
        EXPECT_FALSE(collection.spare().Visible);
    else
        EXPECT_FALSE(collection[0].Visible);
    for (int i = spareOnTop ? 0 : 1; i < collection.UBound() + (spareOnTop ? 0 : 1); ++i)
        EXPECT_TRUE(collection[i].Visible) << i;
}

// Every single-precision field of every element is a number.
template <class T>
void expectFinite(const AnnotationCollection<T> &collection)
{
    for (const T &element : collection) {
        visitFields(element, [](const char *name, const auto &value) {
            if constexpr (std::is_same_v<std::decay_t<decltype(value)>, float>) {
                EXPECT_TRUE(std::isfinite(value)) << name;
            }
        });
    }
}

TEST(ReaderFuzz, DamagedObjectFilesNeverBreakTheCollections)
{
    const QByteArray originals[] = {goldenBytes("survey_Text.Bin"),
                                    goldenBytes("survey_Line.Bin"),
                                    goldenBytes("survey_Shape.Bin")};
    QElapsedTimer timer;
    timer.start();
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        SCOPED_TRACE(seed);
        Damage damage(seed);
        AnnotationStore store;
        readLabelFile(damage.apply(originals[0]), store);
        readLineFile(damage.apply(originals[1]), store);
        readMarkerFile(damage.apply(originals[2]), store);
        expectSound(store.lblKyori, true);
        expectSound(store.lblMoji, false);
        expectSound(store.lineHikidashi, true);
        expectSound(store.lineHojoSave, true);
        expectSound(store.lineDsSave, true);
        expectSound(store.shpSnpo, true);
        expectFinite(store.lblKyori);
        expectFinite(store.lblMoji);
        expectFinite(store.lineHikidashi);
        expectFinite(store.lineHojoSave);
        expectFinite(store.lineDsSave);
        expectFinite(store.shpSnpo);
    }
    EXPECT_LT(timer.elapsed(), 20000);
}

TEST(ReaderFuzz, StoredNumbersAreNeverInfiniteOrNaN)
{
    for (const char *line : HostileLines) {
        QByteArray lines = goldenBytes("survey_Line.Bin");
        lines.replace("1.5\r\n", QByteArray(line) + "\r\n"); // X1 of the first leader line
        AnnotationStore store;
        readLineFile(lines, store);
        expectFinite(store.lineHikidashi);
    }
}

} // namespace
