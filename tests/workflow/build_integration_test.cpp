#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/bitmap.h"
#include "tests/support/bmp_builder.h"
#include "tests/support/conversion.h"
#include "tests/workflow/installed_package.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

const std::string Examples = std::string(TALVORIN_SOURCE_DIR) + "/examples";
const std::string SampleLogo = std::string(TALVORIN_SOURCE_DIR) + "/samples/logo.bmp";

bool Diagonal(int x, int y) { return (x + y) % 5 == 0; }
bool Frame(int x, int y) { return x == 0 || y == 0 || x == 12 || y == 16; }

bool IsExecutable(const std::string& path) { return access(path.c_str(), X_OK) == 0; }

TEST(InstallTest, PutsTheCommandsTheManualsAndTheCmakePackage) {
  const InstalledPackage package;
  const std::string& prefix = package.Prefix();
  EXPECT_TRUE(IsExecutable(prefix + "/bin/talvorin"));
  EXPECT_TRUE(IsExecutable(prefix + "/bin/talvorin-view"));
  for (const char* file : {"/share/man/man1/talvorin.1", "/share/man/man1/talvorin-view.1",
                           "/share/cmake/talvorin/talvorinConfig.cmake",
                           "/share/cmake/talvorin/talvorinConfigVersion.cmake"}) {
    struct stat status {};
    EXPECT_EQ(stat((prefix + file).c_str(), &status), 0) << file;
  }
}

// The example firmware's program writes its logo array to standard output.
Bytes RunFirmware(const std::string& build) { return BytesOf(RunProgram({build + "/firmware"}, build).Output); }

TEST(FirmwareExampleTest, CompilesTheSampleLogoIntoTheProgram) {
  const InstalledPackage package;
  const TempFolder work;
  const std::string build = work / "build";
  const RunResult configure = package.Configure(Examples + "/firmware", build, {});
  ASSERT_EQ(configure.ExitStatus, 0) << Transcript(configure);
  const RunResult make = package.Build(build);
  ASSERT_EQ(make.ExitStatus, 0) << Transcript(make);

  TBitmap logo;
  logo.LoadFromFile(SampleLogo);
  const Bytes expected = ExpectedMonoMap(logo.Width, logo.Height, [&](int x, int y) {
    return IsBlackPixel(logo, x, y);
  });
  EXPECT_EQ(expected.size(), 4u + 64u * 3u);
  EXPECT_EQ(RunFirmware(build), expected);
}

TEST(FirmwareExampleTest, ConvertsAgainWhenTheImageChanges) {
  const InstalledPackage package;
  const TempFolder work;
  const std::string build = work / "build";
  work.Write("logo.bmp", BlackWhiteBmp(13, 17, Diagonal));
  ASSERT_EQ(package.Configure(Examples + "/firmware", build, {"LOGO_BMP=" + (work / "logo.bmp")}).ExitStatus, 0);
  ASSERT_EQ(package.Build(build).ExitStatus, 0);
  EXPECT_EQ(RunFirmware(build), ExpectedMonoMap(13, 17, Diagonal));

  // Make compares times to the second on some file systems.
  sleep(1);
  work.Write("logo.bmp", BlackWhiteBmp(13, 17, Frame));
  const RunResult make = package.Build(build);
  ASSERT_EQ(make.ExitStatus, 0) << Transcript(make);
  EXPECT_EQ(RunFirmware(build), ExpectedMonoMap(13, 17, Frame));
}

// A project of one program that includes image.c and writes it out.
void WriteProbeProject(const TempFolder& folder) {
  folder.Write("CMakeLists.txt",
               "cmake_minimum_required(VERSION 3.25)\n"
               "project(probe LANGUAGES C)\n"
               "find_package(talvorin REQUIRED)\n"
               "add_executable(probe main.c)\n"
               "talvorin_add_image(probe ${IMAGE} ${OPTIONS})\n");
  folder.Write("main.c",
               "#include <stdio.h>\n"
               "static const unsigned char image[] = {\n"
               "#include \"image.c\"\n"
               "};\n"
               "int main(void) { return fwrite(image, 1, sizeof image, stdout) == sizeof image ? 0 : 1; }\n");
}

class ImageRuleTest : public testing::Test {
 protected:
  ImageRuleTest() { WriteProbeProject(project_); }

  RunResult Configure(const std::string& image, const std::string& options) const {
    return package_.Configure(project_.Path(), build_, {"IMAGE=" + image, "OPTIONS=" + options});
  }
  RunResult Build() const { return package_.Build(build_); }
  std::optional<std::string> Converted() const {
    return ReadFile(build_ + "/talvorin/probe/image.c");
  }

  InstalledPackage package_;
  TempFolder project_;
  std::string build_ = project_ / "build";
};

TEST_F(ImageRuleTest, GivesTheSwitchesToTheToolAndConvertsAgainWhenTheyChange) {
  project_.Write("image.bmp", BlackWhiteBmp(13, 17, Diagonal));
  struct Step {
    std::string options;
    std::vector<std::string> switches;
    bool reverse;
  };
  const Step steps[] = {
      {"", {}, false},
      {"REVERSE;DECIMAL", {"/REV", "/DEC"}, true},
      {"NO_HEADER_LINE;BYTES_PER_LINE;5", {"/NMMP", "/5"}, false},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.options);
    ASSERT_EQ(Configure("image.bmp", step.options).ExitStatus, 0);
    const RunResult make = Build();
    ASSERT_EQ(make.ExitStatus, 0) << Transcript(make);

    // What the tool itself writes with those switches, run by hand.
    const TempFolder direct;
    direct.Write("image.bmp", BlackWhiteBmp(13, 17, Diagonal));
    std::vector<std::string> arguments{"image.bmp"};
    arguments.insert(arguments.end(), step.switches.begin(), step.switches.end());
    ASSERT_EQ(RunTalvorin(arguments, direct.Path()).ExitStatus, 0);
    EXPECT_EQ(Converted(), direct.Read("image.c"));

    const Bytes expected = ExpectedMonoMap(13, 17, [&](int x, int y) { return Diagonal(x, y) != step.reverse; });
    EXPECT_EQ(BytesOf(RunProgram({build_ + "/probe"}, build_).Output), expected);
  }
}

TEST_F(ImageRuleTest, AFailedConversionFailsTheBuildWithTheToolsMessage) {
  project_.Write("image.bmp", "This is not a bitmap, but long enough.");
  ASSERT_EQ(Configure("image.bmp", "").ExitStatus, 0);
  const RunResult make = Build();
  EXPECT_NE(make.ExitStatus, 0);
  EXPECT_NE(Transcript(make).find("talvorin failed (exit status 1)"), std::string::npos) << Transcript(make);
  // In UTF-8, converted from the tool's CP932.
  EXPECT_NE(Transcript(make).find("EInvalidGraphicがﾓｼﾞｭｰﾙ talvorin の "), std::string::npos);
  EXPECT_NE(Transcript(make).find("ﾋﾞｯﾄﾏｯﾌﾟｲﾒｰｼﾞが不正です."), std::string::npos);
  EXPECT_FALSE(Converted().has_value());

  // An image that fails the tool's own check leaves nothing behind either.
  sleep(1);
  project_.Write("image.bmp", MakeBmp({.Width = 400, .Height = 8}));
  EXPECT_NE(Transcript(Build()).find("横幅が320ドットを超えています."), std::string::npos);
  EXPECT_FALSE(Converted().has_value());

  sleep(1);
  project_.Write("image.bmp", BlackWhiteBmp(13, 17, Diagonal));
  EXPECT_EQ(Build().ExitStatus, 0);
  EXPECT_EQ(BytesOf(RunProgram({build_ + "/probe"}, build_).Output), ExpectedMonoMap(13, 17, Diagonal));
}

TEST_F(ImageRuleTest, RefusedSwitchesFailTheBuildWithTheSyntax) {
  project_.Write("image.bmp", BlackWhiteBmp(13, 17, Diagonal));
  ASSERT_EQ(Configure("image.bmp", "BYTES_PER_LINE;3").ExitStatus, 0);
  const RunResult make = Build();
  EXPECT_NE(make.ExitStatus, 0);
  EXPECT_NE(Transcript(make).find("talvorin refused the switches \"/3\" and converted nothing"), std::string::npos)
      << Transcript(make);
  EXPECT_NE(Transcript(make).find("構文: TALVORIN BMPファイル"), std::string::npos);
  EXPECT_FALSE(Converted().has_value());
}

TEST_F(ImageRuleTest, MistakesInTheCallFailWhenConfiguring) {
  project_.Write("image.bmp", BlackWhiteBmp(13, 17, Diagonal));
  const RunResult missing = Configure("missing.bmp", "");
  EXPECT_NE(missing.ExitStatus, 0);
  EXPECT_NE(Transcript(missing).find("talvorin_add_image: " + (project_ / "missing.bmp") + " does not exist"),
            std::string::npos)
      << Transcript(missing);
  const RunResult unknown = Configure("image.bmp", "REVERSED");
  EXPECT_NE(unknown.ExitStatus, 0);
  EXPECT_NE(Transcript(unknown).find("talvorin_add_image: unknown arguments: REVERSED"), std::string::npos)
      << Transcript(unknown);
}

}  // namespace
