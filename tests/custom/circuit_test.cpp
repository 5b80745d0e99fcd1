#include "custom/circuit.h"

#include "support/testsupport.h"
#include "util/facilitylocation.h"

#include <gtest/gtest.h>

#include <fstream>

using vantora::test::Notices;
using vantora::test::ScopedEnv;
using vantora::test::TempDir;

namespace {

void writeFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

// A station folder and a weight folder with a complete, small circuit.
class CircuitFiles : public ::testing::Test {
protected:
    CircuitFiles() {
        writeFile(stn.file("snames.dat"), "names\nChest Press\nLeg Press\nLat Pulldown\n@\n");
        writeFile(stn.file("sverify.dat"), "min\tmax\n10\t300\n10.5\t300\n-20\t-5\n@\n");
        writeFile(stn.file("indices.dat"), "indices\n0\n1\n");
        writeFile(wt.file("chestpress.dat"), "mult\n1.25\n");
        writeFile(wt.file("legpress.dat"), "mult\n1.5\n");
    }

    TempDir stn;
    TempDir wt;
    ScopedEnv stnEnv{"VANTO_STN", stn.path().c_str()};
    ScopedEnv wtEnv{"VANTO_WT", wt.path().c_str()};
    Notices notices;
};

TEST_F(CircuitFiles, LoadsNamesBoundsIndicesAndMultipliers) {
    CCircuit c;
    EXPECT_EQ(notices->count(), 0u);
    ASSERT_EQ(c.GetNumStations(), 3);
    EXPECT_STREQ(c.GetName(0), "Chest Press");
    EXPECT_STREQ(c.GetName(2), "Lat Pulldown");
    EXPECT_EQ(c.GetName(3), nullptr);
    EXPECT_EQ(c.GetName(-1), nullptr);
    EXPECT_DOUBLE_EQ(c.GetMin(1), 10.5);
    EXPECT_DOUBLE_EQ(c.GetMax(1), 300);
    EXPECT_DOUBLE_EQ(c.GetMin(2), -20);
    // Stations beyond the loaded ones, and indices outside the circuit, keep
    // the default range.
    EXPECT_DOUBLE_EQ(c.GetMin(3), -1);
    EXPECT_DOUBLE_EQ(c.GetMax(3), 1);
    EXPECT_DOUBLE_EQ(c.GetMax(40), 1);
    EXPECT_EQ(c.GetUpperStnIndex(), 0);
    EXPECT_EQ(c.GetLegStnIndex(), 1);
    EXPECT_DOUBLE_EQ(c.GetChestPressMult(), 1.25);
    EXPECT_DOUBLE_EQ(c.GetLegPressMult(), 1.5);
}

TEST_F(CircuitFiles, NamesStopAtTwentyFourOrAtTheMarker) {
    std::string many = "header\n";
    for (int i = 0; i < 30; ++i)
        many += "Station " + std::to_string(i) + "\n";
    writeFile(stn.file("snames.dat"), many);
    EXPECT_EQ(CCircuit().GetNumStations(), 24);

    writeFile(stn.file("snames.dat"), "header\nA\nB\n@ end\nC\n");
    EXPECT_EQ(CCircuit().GetNumStations(), 2);

    // A name longer than 29 characters is cut, not spilled into the next.
    writeFile(stn.file("snames.dat"), "header\n" + std::string(40, 'x') + "\r\nB\n");
    CCircuit c;
    ASSERT_EQ(c.GetNumStations(), 2);
    EXPECT_EQ(std::string(c.GetName(0)), std::string(29, 'x'));
    EXPECT_STREQ(c.GetName(1), "B");
}

TEST_F(CircuitFiles, ShortOrMalformedVerificationFileKeepsDefaultRanges) {
    writeFile(stn.file("sverify.dat"), "header\n5\t50\nno tab here\n");
    CCircuit c;
    EXPECT_DOUBLE_EQ(c.GetMax(0), 50);
    EXPECT_DOUBLE_EQ(c.GetMin(1), -1);
    EXPECT_DOUBLE_EQ(c.GetMax(2), 1);
    EXPECT_EQ(c.GetUpperStnIndex(), 0);
}

TEST_F(CircuitFiles, VerifyAcceptsZeroAndTheBoundsThemselves) {
    CCircuit c;
    EXPECT_TRUE(c.Verify(2, 0.0)); // range -20..-5 excludes 0, but 0 means not entered
    EXPECT_TRUE(c.Verify(0, 300));
    EXPECT_TRUE(c.Verify(0, 10));
    EXPECT_EQ(notices->count(), 0u);
    EXPECT_FALSE(c.Verify(0, 300.01));
    EXPECT_FALSE(c.Verify(0, 9.99));
    EXPECT_EQ(notices->count(), 2u);
}

TEST_F(CircuitFiles, RangeMessageNamesTheStationWithWholeBounds) {
    CCircuit c;
    EXPECT_FALSE(c.Verify(1, 5));
    EXPECT_EQ(notices->last(), "Error: Leg Press\nmust be in the range 10 to 300");
    EXPECT_EQ(notices->entries().back().icon, vantora::notice::Icon::None);
    EXPECT_FALSE(c.Verify(2, -30));
    EXPECT_EQ(notices->last(), "Error: Lat Pulldown\nmust be in the range -20 to -5");
}

TEST_F(CircuitFiles, WorkWeightTakesTheFirstRowAtOrBelowTheLift) {
    writeFile(stn.file("s0750.dat"), "lift\twork\n200\t150\n180\t135\n160\t120\n@\n");
    CCircuit c;
    EXPECT_DOUBLE_EQ(c.GetWorkWeight(7, 190, 50), 135);
    EXPECT_DOUBLE_EQ(c.GetWorkWeight(7, 200, 50), 150);
    EXPECT_DOUBLE_EQ(c.GetWorkWeight(7, 250, 50), 150);
    EXPECT_DOUBLE_EQ(c.GetWorkWeight(7, 150, 50), 0);
    EXPECT_EQ(notices->count(), 0u);
}

TEST_F(CircuitFiles, WorkWeightTableNamesAndMissingTables) {
    EXPECT_EQ(CCircuit::WorkWeightFileName(3, 50), "s0350.dat");
    EXPECT_EQ(CCircuit::WorkWeightFileName(12, 70), "s1270.dat");
    EXPECT_EQ(CCircuit::WorkWeightFileName(0, 40), "s0040.dat");
    // 100 % would otherwise name the 10 % table.
    EXPECT_EQ(CCircuit::WorkWeightFileName(3, 100), "");
    EXPECT_EQ(CCircuit::WorkWeightFileName(24, 50), "");

    writeFile(stn.file("s0310.dat"), "lift\twork\n100\t10\n");
    CCircuit c;
    EXPECT_DOUBLE_EQ(c.GetWorkWeight(3, 150, 100), 0);
    EXPECT_EQ(notices->last(), "Error: cannot open work weight file");
    notices->clear();
    EXPECT_DOUBLE_EQ(c.GetWorkWeight(4, 150, 40), 0);
    EXPECT_EQ(notices->last(), "Error: cannot open work weight file");
}

TEST_F(CircuitFiles, MissingFilesStopLoadingWithTheirMessage) {
    std::filesystem::remove(wt.file("legpress.dat"));
    {
        CCircuit c;
        EXPECT_EQ(
            notices->texts(),
            std::vector<std::string>{"Error: cannot open leg press weight-stack multiplier file"});
        EXPECT_DOUBLE_EQ(c.GetChestPressMult(), 1.25);
        EXPECT_DOUBLE_EQ(c.GetLegPressMult(), 0);
    }
    notices->clear();
    std::filesystem::remove(stn.file("indices.dat"));
    {
        CCircuit c;
        EXPECT_EQ(notices->texts(),
                  std::vector<std::string>{"Error: cannot open station indices file"});
        EXPECT_EQ(c.GetNumStations(), 3);
        EXPECT_EQ(c.GetUpperStnIndex(), -1);
        EXPECT_EQ(c.GetLegStnIndex(), -1);
        EXPECT_DOUBLE_EQ(c.GetChestPressMult(), 0);
    }
    notices->clear();
    std::filesystem::remove(stn.file("snames.dat"));
    {
        CCircuit c;
        EXPECT_EQ(notices->texts(),
                  std::vector<std::string>{"Error: cannot open station names file"});
        EXPECT_EQ(c.GetNumStations(), 0);
        EXPECT_EQ(c.GetName(0), nullptr);
    }
}

TEST_F(CircuitFiles, TruncatedFilesLoadWhatTheyHold) {
    writeFile(stn.file("snames.dat"), "");
    writeFile(stn.file("indices.dat"), "header\n4\n@\n");
    writeFile(wt.file("chestpress.dat"), "header");
    CCircuit c;
    EXPECT_EQ(notices->count(), 0u);
    EXPECT_EQ(c.GetNumStations(), 0);
    EXPECT_EQ(c.GetUpperStnIndex(), 4);
    EXPECT_EQ(c.GetLegStnIndex(), -1);
    EXPECT_DOUBLE_EQ(c.GetChestPressMult(), 0);
}

TEST(CircuitEnvironment, UnsetStationFolderIsTheOnlyMessage) {
    Notices notices;
    ScopedEnv stn("VANTO_STN", nullptr);
    ScopedEnv wt("VANTO_WT", nullptr);
    CCircuit c;
    EXPECT_EQ(notices->texts(), std::vector<std::string>{
                                    "Error: system environment variable \"VANTO_STN\" is not set"});
    EXPECT_EQ(c.GetNumStations(), 0);
}

TEST(CircuitEnvironment, UnsetWeightFolderStopsBeforeTheFiles) {
    Notices notices;
    TempDir stn;
    ScopedEnv stnEnv("VANTO_STN", stn.path().c_str());
    ScopedEnv wt("VANTO_WT", "");
    CCircuit c;
    EXPECT_EQ(notices->texts(), std::vector<std::string>{
                                    "Error: system environment variable \"VANTO_WT\" is not set"});
    EXPECT_EQ(c.GetStationFolder(), stn.folder());
}

TEST(CircuitEnvironment, TheInstalledLocationIsReadNotTheEnvironment) {
    Notices notices;
    TempDir stn, wt;
    ScopedEnv stnSet("VANTO_STN", stn.path().c_str());
    ScopedEnv wtSet("VANTO_WT", wt.path().c_str());
    vantora::FacilityLocation::install(vantora::FacilityLocation::fromEnvironment());
    ScopedEnv stnGone("VANTO_STN", nullptr);
    CCircuit c;
    vantora::FacilityLocation::uninstall();
    EXPECT_EQ(c.GetStationFolder(), stn.folder());
    EXPECT_EQ(notices->texts(), std::vector<std::string>{"Error: cannot open station names file"});
}

TEST(ShippedCircuit, HasTwentyFourStationsAndEveryWorkWeightTable) {
    // The shipped data of the checkout.
    const std::string root = std::string(VANTORA_SOURCE_DIR) + "/data/";
    Notices notices;
    ScopedEnv stn("VANTO_STN", (root + "stations").c_str());
    ScopedEnv wt("VANTO_WT", (root + "weights").c_str());
    CCircuit c;
    ASSERT_EQ(notices->count(), 0u);
    ASSERT_EQ(c.GetNumStations(), 24);
    EXPECT_STREQ(c.GetName(c.GetUpperStnIndex()), "Chest Press");
    EXPECT_STREQ(c.GetName(c.GetLegStnIndex()), "Leg Press");
    EXPECT_GT(c.GetChestPressMult(), 0);
    EXPECT_GT(c.GetLegPressMult(), 0);
    for (int i = 0; i < 24; ++i) {
        EXPECT_LT(c.GetMin(i), c.GetMax(i)) << i;
        for (int p : {40, 50, 70}) {
            // The top of the range gives the heaviest work weight, below the lift.
            const double w = c.GetWorkWeight(i, c.GetMax(i), p);
            EXPECT_GT(w, 0) << i << " " << p;
            EXPECT_LT(w, c.GetMax(i)) << i << " " << p;
            EXPECT_LE(c.GetWorkWeight(i, c.GetMin(i), p), w);
        }
    }
    EXPECT_EQ(notices->count(), 0u);
}

} // namespace
