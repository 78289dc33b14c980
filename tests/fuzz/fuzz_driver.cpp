// Runs a fuzz target without libFuzzer, so the ordinary build and test suite
// keep every reader honest: each file of the corpus, then a few seconds of
// inputs mutated from them. Real fuzzing links the same target to libFuzzer
// (scripts/fuzz.sh).
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>

#include <csignal>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

namespace {

const char *const Tokens[] = {"<", ">", "\"", "'", "=", "\r\n", "\r", "\n", "<!--", "-->", "<?", "?>",
                              "<SCRIPT>", "</SCRIPT>", "<script language=\"VBScript\">", "[", "]", "#",
                              "\xEF\xBB\xBF", "\xFF\xFE", "\xC3\xA1", "\xE8", "\\", "/", ",", "0", "-1",
                              "2147483648", "<MAP NAME=\"m\">", "</MAP>", "<AREA COORDS=\"1,2,3\">",
                              "COORDS", "HREF", "&#8482;", "\t", " ", "\0"};

QByteArray Mutate(QByteArray input, QRandomGenerator &random, const QList<QByteArray> &corpus)
{
    const int steps = 1 + random.bounded(8);
    for (int s = 0; s < steps; ++s) {
        const int pos = input.isEmpty() ? 0 : random.bounded(int(input.size()) + 1);
        switch (random.bounded(6)) {
        case 0: // flip a bit
            if (!input.isEmpty())
                input[pos % input.size()] = char(input[pos % input.size()] ^ (1 << random.bounded(8)));
            break;
        case 1: // a random byte
            input.insert(pos, char(random.bounded(256)));
            break;
        case 2: // cut a piece
            if (!input.isEmpty())
                input.remove(pos % input.size(), 1 + random.bounded(std::min<int>(16, int(input.size()))));
            break;
        case 3: { // a token of the formats
            const char *token = Tokens[random.bounded(int(std::size(Tokens)))];
            input.insert(pos, token, qMax<qsizetype>(1, qstrlen(token)));
            break;
        }
        case 4: // repeat a piece
            if (!input.isEmpty()) {
                const int from = pos % input.size();
                input.insert(pos, input.mid(from, 1 + random.bounded(32)));
            }
            break;
        default: // splice another corpus entry
            if (!corpus.isEmpty()) {
                const QByteArray &other = corpus[random.bounded(int(corpus.size()))];
                input.insert(pos, other.mid(random.bounded(int(other.size()) + 1), 64));
            }
        }
    }
    return input.left(1 << 20);
}

const QByteArray *Current = nullptr;

// A crash or failed check keeps the input that caused it.
void SaveCrashInput(int signal)
{
    if (Current) {
        const int fd = ::open("fuzz-crash-input", O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd >= 0) {
            [[maybe_unused]] ssize_t n = ::write(fd, Current->constData(), size_t(Current->size()));
            ::close(fd);
        }
        static const char note[] = "input saved to fuzz-crash-input\n";
        [[maybe_unused]] ssize_t n = ::write(2, note, sizeof note - 1);
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

int Run(const QByteArray &input)
{
    Current = &input;
    return LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(input.constData()), size_t(input.size()));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    for (int sig : {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL})
        std::signal(sig, SaveCrashInput);
    QStringList args = app.arguments().mid(1);
    int seconds = 0;
    if (const qsizetype i = args.indexOf(QStringLiteral("--seconds")); i >= 0 && i + 1 < args.size()) {
        seconds = args[i + 1].toInt();
        args.remove(i, 2);
    }
    QList<QByteArray> corpus;
    for (const QString &path : args) {
        QDirIterator it(path, QDir::Files, QDirIterator::Subdirectories);
        QStringList files;
        while (it.hasNext())
            files << it.next();
        if (QFileInfo(path).isFile())
            files << path;
        files.sort();
        for (const QString &file : files) {
            QFile f(file);
            if (!f.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "cannot read %s\n", qPrintable(file));
                return 2;
            }
            corpus << f.readAll();
            Run(corpus.last());
        }
    }
    std::printf("%lld corpus inputs passed\n", static_cast<long long>(corpus.size()));
    if (seconds <= 0)
        return 0;
    const quint32 seed = QRandomGenerator::global()->generate();
    std::printf("mutating for %d s, seed %u\n", seconds, seed);
    std::fflush(stdout);
    QRandomGenerator random(seed);
    QElapsedTimer clock;
    clock.start();
    long long runs = 0;
    QByteArray input;
    while (clock.elapsed() < seconds * 1000LL) {
        const QByteArray base = corpus.isEmpty() ? QByteArray() : corpus[random.bounded(int(corpus.size()))];
        input = Mutate(base, random, corpus);
        Run(input);
        ++runs;
    }
    std::printf("%lld mutated inputs passed\n", runs);
    return 0;
}
