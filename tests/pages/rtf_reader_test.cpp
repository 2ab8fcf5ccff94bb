#include "pages/rtf_reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

// A document in one line: paragraphs end with "|"; each run is its format in
// brackets ("b" bold, "i" italic, "u" underline, "sN" half points, "#rrggbb"
// colour) followed by its text; a paragraph not aligned left starts with
// "C:", "R:" or "J:".
std::string Describe(const pages::RichDocument& document) {
  std::string text;
  for (const auto& paragraph : document.paragraphs) {
    if (paragraph.alignment == pages::RichAlignment::kCentre) text += "C:";
    if (paragraph.alignment == pages::RichAlignment::kRight) text += "R:";
    if (paragraph.alignment == pages::RichAlignment::kJustified) text += "J:";
    for (const auto& run : paragraph.runs) {
      const pages::RichFormat& format = run.format;
      text += "[";
      if (format.bold) text += "b";
      if (format.italic) text += "i";
      if (format.underline) text += "u";
      if (format.half_points != 0) text += "s" + std::to_string(format.half_points);
      if (format.has_colour) {
        char colour[8];
        std::snprintf(colour, sizeof colour, "#%02x%02x%02x", format.red, format.green, format.blue);
        text += colour;
      }
      text += "]" + run.text;
    }
    text += "|";
  }
  return text;
}

std::string Read(std::string_view rtf, std::uint32_t code_page = 1252) {
  pages::RichDocument document;
  EXPECT_TRUE(pages::ReadRtf(rtf, code_page, document)) << rtf;
  return Describe(document);
}

TEST(RtfReaderTest, ReadsFormattedRunsAndParagraphs) {
  struct Case {
    const char* rtf;
    const char* document;
  };
  const Case cases[] = {
      {R"({\rtf1\ansi Hello world\par})", "[]Hello world|"},
      {"{\\rtf1 one\r\ntwo\\par}", "[]onetwo|"},  // line ends in the file are not text
      {R"({\rtf1 a\par\par b})", "[]a||[]b|"},
      {R"({\rtf1 a\line b\tab c})", "[]a\nb\tc|"},
      {R"({\rtf1 plain {\b bold {\i both} bold} plain})", "[]plain [b]bold [bi]both[b] bold[] plain|"},
      {R"({\rtf1 \b on\b0 off \i on\i0 off})", "[b]on[]off [i]on[]off|"},
      {R"({\rtf1 \ul a\ulnone b\ul c\ul0 d\uldb e})", "[u]a[]b[u]c[]d[u]e|"},
      {R"({\rtf1 \b\i\ul\fs28 x\plain y})", "[bius28]x[]y|"},
      {R"({\rtf1 \fs20 small {\fs48 big} small})", "[s20]small [s48]big[s20] small|"},
      {R"({\rtf1 \fs-4 a\fs99999 b})", "[]a[s3276]b|"},
      {R"({\rtf1{\colortbl ;\red255\green0\blue0;\red0\green128\blue255;})"
       R"(\cf1 red {\cf2 blue} red\cf0 auto\cf7 none})",
       "[#ff0000]red [#0080ff]blue[#ff0000] red[]autonone|"},
      {R"({\rtf1{\colortbl\red1\green2\blue3;}\cf0 x\plain y})", "[#010203]x[]y|"},
      {R"({\rtf1\qc centred\par\pard left\par\qr right\par\qj both})", "C:[]centred|[]left|R:[]right|J:[]both|"},
      {R"({\rtf1 \\ \{ \} a\~b\-c\_d})", "[]\\ { } a\u00A0bc\u2011d|"},
      {R"({\rtf1 \emdash\endash\bullet\lquote\rquote\ldblquote\rdblquote})",
       "[]\u2014\u2013\u2022\u2018\u2019\u201C\u201D|"},
      {"{\\rtf1 a\\\r\nb}", "[]a|[]b|"},  // a backslash before a line end is \par
      {R"({\rtf1 \unknownword5 kept\zzz})", "[]kept|"},
      {R"({\rtf1 \b0123456789012 x})", "[b]012 x|"},  // ten digits belong to the word, the rest is text
  };
  for (const auto& c : cases) EXPECT_EQ(Read(c.rtf), c.document) << c.rtf;
}

TEST(RtfReaderTest, DecodesCodePageEscapesAndUnicode) {
  struct Case {
    std::uint32_t code_page;
    const char* rtf;
    const char* document;
  };
  const Case cases[] = {
      {1252, R"({\rtf1 caf\'e9 \'E9})", "[]café é|"},
      {1252, "{\\rtf1 caf\xE9}", "[]café|"},                       // a byte above 127 in the file itself
      {1252, R"({\rtf1\ansicpg1251 \'cf\'f0})", "[]Пр|"},          // the file names its code page
      {1252, R"({\rtf1\ansicpg4242 \'e9})", "[]é|"},               // an unknown one keeps the caller's
      {932, R"({\rtf1 \'83\'5c\'83\'74\'83\'67})", "[]ソフト|"},   // two escapes form one character
      {936, R"({\rtf1 \'d6\'d0\'ce\'c4})", "[]中文|"},
      {1252, R"({\rtf1\ansicpg936 \'d6\'d0})", "[]中|"},
      {1252, R"({\rtf1 \'4 x\'zz})", "[] xzz|"},                   // escapes without two digits are dropped
      {1252, R"({\rtf1 \'00a})", "[]a|"},
      {1252, R"({\rtf1 \u8364? euro})", "[]€ euro|"},
      {1252, R"({\rtf1 \u8364\'80 euro})", "[]€ euro|"},           // an escape is one fallback character
      {1252, R"({\rtf1\uc2 \u8364??x\uc0\u233 y})", "[]€xéy|"},
      {1252, R"({\rtf1\uc2 \u8364\b0 ?x})", "[]€x|"},               // a control word counts as one
      {1252, R"({\rtf1 {\uc3 \u8364 ab}cd})", "[]€cd|"},            // a group end ends the fallback
      {1252, R"({\rtf1 \u-4064?})", "[]\uF020|"},                   // negative: the upper half of 16 bits
      {1252, R"({\rtf1 \u-10179?\u-8704?})", "[]\U0001F600|"},      // a surrogate pair
      {1252, R"({\rtf1 \u-10179?x\u-8704?y})", "[]\uFFFDx\uFFFDy|"},  // surrogates that do not pair
      {1252, R"({\rtf1 \u0?a\u?b})", "[]a?b|"},
  };
  for (const auto& c : cases) EXPECT_EQ(Read(c.rtf, c.code_page), c.document) << c.rtf;
}

TEST(RtfReaderTest, SkipsDestinationsWithoutText) {
  struct Case {
    const char* rtf;
    const char* document;
  };
  const Case cases[] = {
      {R"({\rtf1{\fonttbl{\f0\fswiss Arial;}{\f1 Times;}}{\stylesheet{\s0 Normal;}}body})", "[]body|"},
      {R"({\rtf1{\info{\title T}{\author A}}{\header head}{\footer foot}body})", "[]body|"},
      {R"({\rtf1 a{\*\generator Writer 1.0;}b{\*\foo {nested} text}c})", "[]abc|"},
      {R"({\rtf1 a{\pict\wmetafile8 0a0b{\}}}c})", "[]ac|"},  // an escaped brace does not close
      {"{\\rtf1 a{\\pict\\bin4 }{\\x}b}", "[]ab|"},  // binary data may hold braces
      {"{\\rtf1 a\\bin99 }", "[]a|"},                // binary data past the end
      {R"({\rtf1{\field{\*\fldinst HYPERLINK "x"}{\fldrslt shown}}})", "[]shown|"},
      {R"({\rtf1{\*\colortbl;\red1\green1\blue1;}\cf1 x})", "[]x|"},
  };
  for (const auto& c : cases) EXPECT_EQ(Read(c.rtf), c.document) << c.rtf;
}

TEST(RtfReaderTest, RepairsBrokenFiles) {
  struct Case {
    const char* rtf;
    const char* document;
  };
  const Case cases[] = {
      {R"({\rtf1 a{\b b)", "[]a[b]b|"},                // groups still open at the end
      {R"({\rtf1 a\par b\)", "[]a|[]b|"},              // a backslash at the very end
      {R"({\rtf1 a}trailing{\b text})", "[]a|"},       // nothing after the outermost group
      {R"({\rtf1 a}}}b)", "[]a|"},
      {R"({\rtf1 \u)", ""},
      {R"({\rtf1 \u-10179)", "[]\uFFFD|"},             // a high surrogate at the end
      {R"({\rtf1{\colortbl;\red300\green-5\blue9999999999999;}\cf1 x})", "[#ff00ff]x|"},
  };
  for (const auto& c : cases) EXPECT_EQ(Read(c.rtf), c.document) << c.rtf;
}

TEST(RtfReaderTest, DropsTextNestedBeyondTheLimit) {
  const int depth = pages::kMaxRtfGroupDepth;
  // The outermost group counts: "deep" sits at the limit and "deeper" one
  // level beyond; the closing braces bring back the shallow formats.
  const std::string rtf = R"({\rtf1 top)" + std::string(depth - 2, '{') + R"({\b deep{deeper}})" +
                          std::string(depth - 2, '}') + " back}";
  EXPECT_EQ(Read(rtf), "[]top[b]deep[] back|");

  // A file of nothing but open groups reads to the end.
  const std::string hostile = R"({\rtf1 x)" + std::string(1000000, '{') + "y";
  EXPECT_EQ(Read(hostile), "[]x|");
}

TEST(RtfReaderTest, RefusesWhatIsNotRtf) {
  pages::RichDocument document;
  document.paragraphs.resize(3);
  EXPECT_FALSE(pages::ReadRtf("plain text", 1252, document));
  EXPECT_TRUE(document.paragraphs.empty());
  EXPECT_FALSE(pages::ReadRtf("", 1252, document));
  EXPECT_FALSE(pages::ReadRtf(" {\\rtf1 x}", 1252, document));
  EXPECT_TRUE(pages::ReadRtf("{\\RtF1 x}", 1252, document));
}

TEST(RtfReaderTest, LooksLikeRtf) {
  struct Case {
    std::string bytes;
    bool rtf;
  };
  const Case cases[] = {
      {"{\\rtf1 text}", true},
      {"{\\RTF1 text}\r\n", true},
      {std::string("{\\rtf1 text}\0\0", 15), true},
      {"{\\rtf1 text} \t\r\n\n", true},
      {"{\\rtf}", true},
      {"{\\rtf1 text", false},
      {"{\\rtf1 text}x", false},
      {"{\\rtf1 text}\r\n.", false},
      {"{\\rt}", false},
      {" {\\rtf1 text}", false},
      {std::string("\0{\\rtf1}", 8), false},
      {"plain text }", false},
      {"", false},
  };
  for (const auto& c : cases) EXPECT_EQ(pages::LooksLikeRtf(c.bytes), c.rtf) << c.bytes;
}

}  // namespace
