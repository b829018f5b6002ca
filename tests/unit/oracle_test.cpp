// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The answer table, the draw and the ask command, driven without any window.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>

#include "oracle/ask_question.h"
#include "oracle_fakes.h"

namespace zefra {
namespace {

using testing::RecordingView;
using testing::ScriptedSource;

// The smallest float r with r >= k/30: the first value that must draw k.
float FirstFloatAtOrAbove(int k) {
    const double boundary = k / 30.0;
    float r = static_cast<float>(boundary);
    while (static_cast<double>(r) < boundary) r = std::nextafter(r, 2.0f);
    while (k > 0 && static_cast<double>(std::nextafter(r, 0.0f)) >= boundary) {
        r = std::nextafter(r, 0.0f);
    }
    return r;
}

AnswerIndex DrawFrom(float r) {
    ScriptedSource source({r});
    const AnswerIndex index = DrawAnswerIndex(source);
    EXPECT_EQ(source.taken(), 1u);
    return index;
}

// The texts users see are pinned in first_replies.txt; here, what holds for the whole table.
TEST(AnswerTable, ThirtyDistinctPlainRepliesAndOneEcho) {
    static_assert(AnswerTable.size() == 30);
    std::set<Text> texts;
    for (AnswerIndex i = 0; i < kAnswerCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(AnswerAt(i) == Answer(EchoQuestion{}), i == 21) << "only entry 21 echoes";
        if (i == 21) continue;
        const Text text(std::get<std::u16string_view>(AnswerAt(i)));
        EXPECT_FALSE(text.empty());
        EXPECT_TRUE(texts.insert(text).second) << "each reply once";
        for (const char16_t unit : text) EXPECT_LT(unit, 0x80) << "replies are plain ASCII";
    }
}

TEST(AnswerTable, RejectsIndicesOutsideTheTable) {
    for (const AnswerIndex bad :
         {AnswerIndex{-1}, AnswerIndex{30}, AnswerIndex{-32768}, AnswerIndex{32767}}) {
        EXPECT_THROW(AnswerAt(bad), std::out_of_range) << bad;
    }
}

TEST(Draw, EveryIndexStartsExactlyAtItsThirtieth) {
    for (int k = 0; k < kAnswerCount; ++k) {
        const float first = FirstFloatAtOrAbove(k);
        EXPECT_EQ(DrawFrom(first), k) << "first float of share " << k;
        if (k > 0) {
            EXPECT_EQ(DrawFrom(std::nextafter(first, 0.0f)), k - 1) << "just below " << k;
        }
    }
    EXPECT_EQ(DrawFrom(0.0f), 0);
    EXPECT_EQ(DrawFrom(std::nextafter(1.0f, 0.0f)), 29);
    // Rounded to float, 30 times this value would reach 21.0 and draw the echo. The product
    // goes through a stored float: x87 arithmetic would otherwise compare it unrounded.
    const float belowEcho = std::nextafter(FirstFloatAtOrAbove(21), 0.0f);
    const volatile float roundedProduct = belowEcho * 30.0f;
    EXPECT_EQ(roundedProduct, 21.0f);
    EXPECT_EQ(DrawFrom(belowEcho), 20);
}

TEST(Draw, ASourceThatBreaksItsContractFailsLoudly) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    for (const float bad :
         {nan, -inf, -std::numeric_limits<float>::denorm_min(), -0.5f, 1.0f, 1.5f, inf}) {
        ScriptedSource source({bad});
        EXPECT_THROW(DrawAnswerIndex(source), std::out_of_range) << bad;
    }
}

// r in the middle of index k's share.
float ValueFor(int k) {
    return (static_cast<float>(k) + 0.5f) / 30.0f;
}

TEST(AskQuestion, AQuestionGetsOneReplyThenTheBoxIsEmptied) {
    RecordingView view({u"What do you want to know? \r\n"});
    ScriptedSource source({ValueFor(0)});
    AnswerIndex last = 17;
    AskQuestion(view, source, last);
    EXPECT_EQ(view.calls(), (std::vector<Text>{u"get", u"show:Of course!", u"set:"}));
    EXPECT_EQ(last, 0);
    EXPECT_EQ(view.box(), u"");

    // The box is empty now, so pressing again at once brings the prompt.
    AskQuestion(view, source, last);
    EXPECT_EQ(view.calls().back(), Text(u"show:") + Text(kEmptyQuestionPrompt));
}

TEST(AskQuestion, OnlyALengthZeroQuestionIsEmpty) {
    for (const Text& question : {Text(u" "), Text(u"\r\n"), Text(u"\t"), Text(1, u'\0')}) {
        RecordingView view({question});
        ScriptedSource source({ValueFor(29)});
        AnswerIndex last = 0;
        AskQuestion(view, source, last);
        EXPECT_EQ(view.calls(), (std::vector<Text>{u"get", u"show:Stop staring", u"set:"}));
        EXPECT_EQ(last, 29);
    }
}

TEST(AskQuestion, EmptyPressesShowThePromptAndConsumeNothing) {
    RecordingView view({u""});
    ScriptedSource source({ValueFor(9), ValueFor(3)});
    AnswerIndex last = 7;
    for (int press = 0; press < 3; ++press) AskQuestion(view, source, last);
    const Text prompt = Text(u"show:") + Text(kEmptyQuestionPrompt);
    EXPECT_EQ(view.calls(), (std::vector<Text>{u"get", prompt, u"get", prompt, u"get", prompt}));
    EXPECT_EQ(source.taken(), 0u);
    EXPECT_EQ(last, 7) << "the last index is left alone";

    view.SetQuestionText(u"Will it rain?");
    AskQuestion(view, source, last);
    EXPECT_EQ(view.calls().back(), u"set:");
    EXPECT_EQ(view.calls()[view.calls().size() - 2], u"show:Ask again.")
        << "the first real question gets the first value, as if no empty press had happened";
}

TEST(AskQuestion, TheEchoRepeatsTheBoxExactlyAsItIsAtThatMoment) {
    // Line breaks, a tab, NUL, a lone surrogate and a character outside the BMP.
    const Text odd =
        Text(u"Will it rain?\r\nOr\tsnow? ") + Text(1, u'\0') + u"\xD800" + u"\U0001F600\r\n";
    const Text huge(1 << 20, u'x');
    for (const Text& question : {Text(u"Will it rain?"), odd, huge}) {
        RecordingView view({question});
        ScriptedSource source({ValueFor(21)});
        AnswerIndex last = 0;
        AskQuestion(view, source, last);
        EXPECT_EQ(view.calls(), (std::vector<Text>{u"get", u"get", u"show:" + question, u"set:"}));
        EXPECT_EQ(last, 21);
    }

    // The second read is a fresh one: the reply is what the box holds then.
    RecordingView changing({u"first", u"second"});
    ScriptedSource source({ValueFor(21)});
    AnswerIndex last = 0;
    AskQuestion(changing, source, last);
    EXPECT_EQ(changing.calls()[2], u"show:second");
}

TEST(AskQuestion, AFailureStopsEverythingAfterTheFailingStep) {
    // The drawn index is kept from the draw on, whatever fails after it.
    struct Case {
        int failAt;
        float draw;
        std::vector<Text> calls;
        std::size_t taken;
        AnswerIndex last;
    };
    const Case cases[] = {
        {0, ValueFor(2), {u"failed get"}, 0, 5},
        {1, ValueFor(2), {u"get", u"failed show:Yes!"}, 1, 2},
        {2, ValueFor(2), {u"get", u"show:Yes!", u"failed set:"}, 1, 2},
        {1, ValueFor(21), {u"get", u"failed get"}, 1, 21},
        {2, ValueFor(21), {u"get", u"get", u"failed show:Q"}, 1, 21},
    };
    for (const Case& c : cases) {
        RecordingView view({u"Q"}, c.failAt);
        ScriptedSource source({c.draw});
        AnswerIndex last = 5;
        EXPECT_THROW(AskQuestion(view, source, last), std::runtime_error);
        EXPECT_EQ(view.calls(), c.calls);
        EXPECT_EQ(source.taken(), c.taken);
        EXPECT_EQ(last, c.last);
        EXPECT_EQ(view.box(), u"Q") << "the question stays in the box";
    }

    // A prompt that cannot be shown fails the same way.
    RecordingView emptyBox({u""}, 1);
    ScriptedSource unused({});
    AnswerIndex last = 5;
    EXPECT_THROW(AskQuestion(emptyBox, unused, last), std::runtime_error);
    EXPECT_EQ(last, 5);

    // A broken source: nothing is shown, the box and the last index are kept.
    RecordingView view({u"Q"});
    ScriptedSource broken({1.0f});
    EXPECT_THROW(AskQuestion(view, broken, last), std::out_of_range);
    EXPECT_EQ(view.calls(), (std::vector<Text>{u"get"}));
    EXPECT_EQ(last, 5);
}

}  // namespace
}  // namespace zefra
