// The manifest of a published site and the SHA-256 behind it: the FIPS 180-2
// test vectors, a round trip of every kind of line, and tables of names and
// lines that make a manifest refused.

#include "site/Manifest.h"

#include <gtest/gtest.h>

#include "model/CalDate.h"
#include "platform/Errors.h"
#include "site/Sha256.h"

namespace {

TEST(Sha256Test, FipsVectorsWholeAndInPieces) {
  const std::string Million(1000000, 'a');
  const struct {
    std::string Message, Digest;
  } Cases[] = {
      {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
      {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
       "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
      {Million, "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
      {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
  };
  for (const auto& C : Cases) {
    EXPECT_EQ(Sha256Hex(C.Message), C.Digest) << C.Message.size() << " bytes";
    // Pieces that straddle the 64-byte blocks and the padding's boundary.
    for (size_t Piece : {1u, 55u, 63u, 65u}) {
      TSha256 H;
      for (size_t I = 0; I < C.Message.size(); I += Piece)
        H.Add(std::string_view(C.Message).substr(I, Piece));
      EXPECT_EQ(H.FinishHex(), C.Digest) << C.Message.size() << " bytes in pieces of " << Piece;
    }
  }
}

TEST(ManifestTest, RoundTripKeepsEveryKindOfLine) {
  TManifest M;
  M.FeedName = "Chor Sommer \xC3\xBC.ics";
  M.UidKey = "Chor Sommer.qby";
  M.Pending = {"index.html", "3_2026.html"};
  M.Files["3_2026.html"] = {std::string(64, 'a'), 12345, std::string(32, 'b')};
  M.Files["Chor Sommer \xC3\xBC.ics"] = {std::string(64, 'c'), 7, ""};
  M.Days[static_cast<int64_t>(EncodeDate(2026, 3, 14))] = {std::string(64, 'd'), 3, 1773446400};
  const std::string Text = WriteManifest(M);
  EXPECT_EQ(Text.substr(0, Text.find('\n')), "Quillbay site manifest 1");
  EXPECT_EQ(ReadManifest(Text), M);
  EXPECT_EQ(WriteManifest(ReadManifest(Text)), Text);
  EXPECT_EQ(ReadManifest(WriteManifest(TManifest())), TManifest());
}

TEST(ManifestTest, OnlyTheSitesOwnNamesAreAccepted) {
  for (const char* Good : {"index.html", "sitemap.xml", "1_2026.html", "12_1.html", "9999.html", "club.ics",
                           "Chor \xC3\xBC.ics"})
    EXPECT_TRUE(IsSiteFileName(Good)) << Good;
  for (const char* Bad : {"",
                          "../index.html",
                          "x/index.html",
                          "/etc/passwd",
                          "13_2026.html",
                          "0_2026.html",
                          "03_2026.html",
                          "3_026.html",
                          "3_0.html",
                          "0000.html",
                          "20266.html",
                          ".ics",
                          ".hidden.ics",
                          "../club.ics",
                          "a/b.ics",
                          "tab\t.ics",
                          "bad\xC3.ics",
                          "index.htm",
                          ".quillbay-manifest",
                          "sitemap.xml.tmp"})
    EXPECT_FALSE(IsSiteFileName(Bad)) << Bad;
}

TEST(ManifestTest, AnythingTheWriterWouldNotWriteIsRefused) {
  const std::string Head = "Quillbay site manifest 1\n", Hash(64, 'a');
  const std::string File = "file " + Hash + " 10 - 1_2026.html\n";
  const struct {
    std::string Text;
    int Line;
  } Cases[] = {
      {"", 1},
      {"Quillbay site manifest 2\n", 1},
      {Head + "file " + Hash + " 10 - ../1_2026.html\n", 2},
      {Head + "pending /etc/passwd\n", 2},
      {Head + "feed ../x.ics\n", 2},
      {Head + "feed index.html\n", 2},
      {Head + File + File, 3},                             // twice
      {Head + File + "feed club.ics\n", 3},                // out of its place
      {Head + "file " + Hash + " 1x - 1_2026.html\n", 2},  // size
      {Head + "file " + Hash.substr(1) + " 1 - 1_2026.html\n", 2},
      {Head + "file " + std::string(64, 'A') + " 1 - 1_2026.html\n", 2},
      {Head + "day 2026-02-30 " + Hash + " 0 0\n", 2},
      {Head + "day 2026-03-01 " + Hash + " -1 0\n", 2},
      {Head + "uid-key \x01\n", 2},
      {Head + "uid-key a\nuid-key b\n", 3},
      {Head + File.substr(0, File.size() - 1), 2},  // no line end
      {Head + "remove 1_2026.html\n", 2},
      {Head + "pending 90.html\npending 2026.html\n", 3},   // out of order
      {Head + "file " + Hash + " 060 - 1_2026.html\n", 2},  // a leading zero
  };
  for (const auto& C : Cases) {
    try {
      ReadManifest(C.Text);
      ADD_FAILURE() << "accepted: " << C.Text;
    } catch (const EQuillbayError& E) {
      EXPECT_EQ(std::string(E.what()),
                "The site's manifest is not valid (line " + std::to_string(C.Line) + ")")
          << C.Text;
    }
  }
}

}  // namespace
