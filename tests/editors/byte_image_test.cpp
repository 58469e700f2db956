// The byte image of values: conversions per syntax, pieces and bits.
#include <gtest/gtest.h>

#include "editors/ByteImage.h"
#include "snmp/Messages.h"
#include "snmp/VarList.h"

namespace {

std::string B(std::initializer_list<int> bytes) {
  std::string s;
  for (int b : bytes) s.push_back(static_cast<char>(b));
  return s;
}

int CodeOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const KySNMPException& e) {
    return e.code();
  }
  return 0;
}

struct ImageCase {
  ImageSyntax syntax;
  const char* text;
  std::string bytes;
};

class ByteImageRoundTrip : public ::testing::TestWithParam<ImageCase> {};

TEST_P(ByteImageRoundTrip, TextToBytesAndBack) {
  const auto& c = GetParam();
  EXPECT_EQ(TextToImage(c.text, c.syntax), c.bytes);
  EXPECT_EQ(ImageToText(c.bytes, c.syntax), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Syntaxes, ByteImageRoundTrip,
    ::testing::Values(ImageCase{Syntax::Boolean, "true", B({1, 0, 0, 0})},
                      ImageCase{Syntax::Boolean, "false", B({0, 0, 0, 0})},
                      ImageCase{Syntax::Integer, "-2", B({0xfe, 0xff, 0xff, 0xff})},
                      ImageCase{Syntax::Integer, "258", B({2, 1, 0, 0})},
                      ImageCase{Syntax::OctetString, "001AFF", B({0, 0x1a, 0xff})},
                      ImageCase{Syntax::Bits, "A0", B({0xa0})},
                      ImageCase{Syntax::ObjectId, "1.3.6.1", B({1, 0, 0, 0, 3, 0, 0, 0, 6, 0, 0, 0, 1, 0, 0, 0})},
                      ImageCase{Syntax::IpAddress, "10.90.90.90", B({10, 90, 90, 90})},
                      ImageCase{Syntax::Gauge32, "4294967295", B({0xff, 0xff, 0xff, 0xff})},
                      ImageCase{Syntax::TimeTicks, "1 day 0:00:00.00", B({0x00, 0xd6, 0x83, 0x00})},
                      ImageCase{Syntax::Counter64, "5000000000", B({0x00, 0xf2, 0x05, 0x2a, 0x01, 0, 0, 0})},
                      ImageCase{Syntax::MacAddress, "001A2B3C4D5E", B({0, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e})},
                      ImageCase{Syntax::DateAndTime, "2008-12-5,13:30:15.0,+8:0",
                                B({0x07, 0xd8, 12, 5, 13, 30, 15, 0, '+', 8, 0})},
                      ImageCase{Syntax::DisplayString, "abc", "abc"},
                      ImageCase{Syntax::DisplayString, "", ""},
                      ImageCase{Syntax::Integer, "(NULL)", ""},
                      ImageCase{PieceSyntax::Bool8, "true", B({1})},
                      ImageCase{PieceSyntax::Int8, "-1", B({0xff})},
                      ImageCase{PieceSyntax::UInt8, "200", B({200})},
                      ImageCase{PieceSyntax::Bool16, "true", B({0, 1})},
                      ImageCase{PieceSyntax::UInt16, "4094", B({0x0f, 0xfe})},
                      ImageCase{PieceSyntax::UInt16b, "65535", B({0xff, 0xff})}));

TEST(ByteImage, RealAndDateTimeSurviveTheRoundTrip) {
  for (const char* text : {"2.5", "-0.125", "1e+300"}) {
    std::string bytes = TextToImage(text, Syntax::Real);
    ASSERT_EQ(bytes.size(), 8u);
    EXPECT_EQ(ImageToText(bytes, Syntax::Real), text);
  }
  const std::string when = ImageToText(TextToImage("2024/02/29 01:02:03 pm", Syntax::DateTime), Syntax::DateTime);
  EXPECT_EQ(TextToImage(when, Syntax::DateTime), TextToImage("2024/02/29 13:02:03", Syntax::DateTime));
  DateTimeParts p = DateTimeSplit(DateTimeJoin({2024, 2, 29, 13, 2, 3, 250}));
  EXPECT_EQ(p.year, 2024);
  EXPECT_EQ(p.day, 29);
  EXPECT_EQ(p.hour, 13);
  EXPECT_EQ(p.msec, 250);
}

TEST(ByteImage, EmptyImagesAndShortImages) {
  EXPECT_EQ(ImageToText("", Syntax::Integer), "(NULL)");
  EXPECT_EQ(ImageToText("", Syntax::DisplayString), "");
  EXPECT_EQ(ImageToText("", Syntax::OctetString), "");
  EXPECT_EQ(TextToImage("", Syntax::OctetString), "");
  EXPECT_EQ(CodeOf([] { ImageToText(B({1, 2, 3}), Syntax::Integer); }), KyErr::BadAssocValue);
  EXPECT_EQ(CodeOf([] { ImageToText(B({1, 2, 3, 4, 5}), Syntax::MacAddress); }), KyErr::BadAssocValue);
  EXPECT_EQ(CodeOf([] { ImageToText(B({1}), PieceSyntax::UInt16); }), KyErr::BadAssocValue);
  // A code converted from a number that is none, whole or piece.
  for (ImageSyntax unknown : {ImageSyntax(static_cast<Syntax>(0x77)), ImageSyntax(static_cast<PieceSyntax>(0x77)),
                              ImageSyntax(static_cast<Syntax>(0xc1))}) {
    EXPECT_EQ(CodeOf([&] { ImageToText(B({1}), unknown); }), KyErr::BadSyntax);
    EXPECT_EQ(CodeOf([&] { TextToImage("1", unknown); }), KyErr::BadSyntax);
    EXPECT_EQ(CodeOf([&] { TextToImage("(NULL)", unknown); }), KyErr::BadSyntax);
    EXPECT_EQ(CodeOf([&] { PieceLength(unknown); }), KyErr::BadSyntax);
  }
}

TEST(ByteImage, BitZeroIsTheMostSignificantBitOfTheFirstByte) {
  const std::string image = B({0xa0});
  std::vector<int> set;
  for (int n = 0; n < 8; ++n)
    if (GetBit(image, n)) set.push_back(n);
  EXPECT_EQ(set, (std::vector<int>{0, 2}));  // ports 1 and 3

  std::string ports;
  SetBit(ports, 0, true);
  SetBit(ports, 8, true);
  SetBit(ports, 51, true);
  EXPECT_EQ(HexText(ports), "80800000000010");
  SetBit(ports, 0, false);
  EXPECT_EQ(HexText(ports), "00800000000010");
}

TEST(ByteImage, BitBeyondTheImage) {
  std::string image = B({0, 0, 0});
  EXPECT_FALSE(HasBit(image, 27));
  EXPECT_EQ(CodeOf([&] { GetBit(image, 27); }), KyErr::AssocIndexOutOfRange);
  SetBit(image, 27, true);
  EXPECT_EQ(image, B({0, 0, 0, 0x10}));
}

struct PieceCase {
  int offset;
  ImageSyntax syntax;
  std::string expected;
  int code;
};

class BytePieces : public ::testing::TestWithParam<PieceCase> {};

TEST_P(BytePieces, CutAtOffset) {
  const auto& c = GetParam();
  const std::string image = B({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  if (c.code != 0) {
    EXPECT_EQ(CodeOf([&] { CutPiece(image, c.offset, c.syntax); }), c.code);
  } else {
    EXPECT_EQ(CutPiece(image, c.offset, c.syntax), c.expected);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, BytePieces,
                         ::testing::Values(PieceCase{0, Syntax::Integer, B({1, 2, 3, 4}), 0},
                                           PieceCase{6, Syntax::IpAddress, B({7, 8, 9, 10}), 0},
                                           PieceCase{7, Syntax::IpAddress, "", KyErr::AssocIndexOutOfRange},
                                           PieceCase{2, PieceSyntax::UInt16, B({3, 4}), 0},
                                           PieceCase{9, PieceSyntax::UInt8, B({10}), 0},
                                           PieceCase{4, Syntax::MacAddress, B({5, 6, 7, 8, 9, 10}), 0},
                                           PieceCase{2, Syntax::Counter64, B({3, 4, 5, 6, 7, 8, 9, 10}), 0},
                                           PieceCase{3, Syntax::Counter64, "", KyErr::AssocIndexOutOfRange},
                                           PieceCase{8, Syntax::OctetString, B({9, 10}), 0},
                                           PieceCase{10, Syntax::OctetString, "", 0},
                                           PieceCase{11, Syntax::OctetString, "", KyErr::AssocIndexOutOfRange},
                                           PieceCase{0, static_cast<Syntax>(0x99), "", KyErr::BadSyntax}));

TEST(BytePieces, EmptyImageGivesAnEmptyPieceAndPutExtends) {
  EXPECT_EQ(CutPiece("", 6, Syntax::IpAddress), "");
  std::string image = B({1});
  PutPiece(image, 3, B({7, 8}));
  EXPECT_EQ(image, B({1, 0, 0, 7, 8}));
  PutPiece(image, 0, B({9}));
  EXPECT_EQ(image, B({9, 0, 0, 7, 8}));
}

TEST(ByteImage, HexTextReadBack) {
  EXPECT_EQ(HexBytes("1aff"), B({0x1a, 0xff}));
  EXPECT_EQ(HexBytes("abc"), B({0x0a, 0xbc}));
  EXPECT_EQ(HexBytes("0g 1"), B({0x00, 0x01}));
  EXPECT_EQ(TimeTicksValue("5:30"), 1800000u);
  EXPECT_EQ(TimeTicksValue("90"), 0u);
}

}  // namespace
