#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "tests/e2e/TypingFixture.h"

namespace e2e {
namespace {

// Word prediction on, as the settings file keeps it, and a data folder of the test's own.
const QByteArray kSettings =
    "[Quarnel Orvalet]\r\nLlengua=Catal\xE0\r\n[Menu]\r\nMenuPrediccioDeParaules=SI\r\n";

// Rows of the default Catalan keyboard with the group of predictions above them.
constexpr int kPredictions = 0, kB = 11, kBA = kB + 2, kFirstPrediction = kPredictions + 1;

class Prediction : public TypingFixture {
  protected:
    Prediction() : TypingFixture(kSettings, {"XDG_DATA_HOME=" + DataFolder().path()}) {}

    // Made before the keyboard starts, which the fixture's members are not.
    static QTemporaryDir& DataFolder() {
        static QTemporaryDir folder;
        return folder;
    }

    // Whether the Catalan lexicon holds the word, in small letters.
    static bool InLexicon(const QString& word) {
        QFile lexicon(QCoreApplication::applicationDirPath() + "/lexicons/ca.txt");
        if (!lexicon.open(QIODevice::ReadOnly)) return false;
        const QByteArray line = (word + ' ').toUtf8();
        while (!lexicon.atEnd()) {
            if (lexicon.readLine().startsWith(line)) return true;
        }
        return false;
    }
};

TEST_F(Prediction, ChoosingAPredictionTypesTheRestOfAWordOfTheLexiconAndABlank) {
    ClickRow(kB);
    ClickRow(kBA);
    Expect(QStringLiteral("BA"));
    ClickRow(kPredictions);
    ClickRow(kFirstPrediction);
    ASSERT_TRUE(WaitFor([&] { return receiver.Text().endsWith(' '); }))
        << "got " << receiver.Text().toStdString();
    const QString word = receiver.Text().chopped(1);
    EXPECT_TRUE(word.startsWith(QStringLiteral("BA")) && word.length() > 2) << word.toStdString();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\w+$")).match(word).hasMatch())
        << "caps lock types the whole word in capitals: " << word.toStdString();
    EXPECT_TRUE(InLexicon(word.toLower())) << word.toStdString();
}

}  // namespace
}  // namespace e2e
