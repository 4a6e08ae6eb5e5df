// Words too long for any line, which the view wraps anywhere.
#include "core/layout/long_words.h"

#include <QString>
#include <gtest/gtest.h>

using namespace pukana;

TEST(LongWords, OnlyAStretchWithoutBreaksLongerThanTheLimitCounts) {
    const QString letters = QString(60, u'a');
    const struct {
        QString text;
        bool overlong;
    } cases[] = {
        {letters, false},                                      // exactly the limit
        {letters + u'a', true},                                // one more
        {QString(30, u'a') + u' ' + QString(30, u'a'), false}, // a space breaks it
        {QString(200, QChar(0x3042)), false},                  // kana may break between any two
        {QString(200, u'7'), true},                            // digits may not
        // Seen at a glance: line feeds, two ideographs, a word after spaces after a word.
        {QStringLiteral("漢字").repeated(50), false},
        {QStringLiteral("ab  ").repeated(30), false},
        {QString(QString(40, u'a') + u'\n').repeated(3), false},
        {QStringLiteral("ab ").repeated(10) + letters + u'7', true}, // a word after them
        {QStringLiteral("( ").repeated(40), true}, // never a break after "(" and its spaces
    };
    for (const auto& c : cases)
        EXPECT_EQ(hasWordLongerThan(c.text, 60), c.overlong) << c.text.size();
}
