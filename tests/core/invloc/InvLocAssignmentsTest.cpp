// Forced assignments of the inventory/location model: the lists of the form, the
// ".ass" file both ways, files that are refused, and the nearest-facility command.
#include <gtest/gtest.h>

#include "../data/DataTestSupport.h"
#include "InvLocTestSolution.h"
#include "invloc/InvLocAssignments.h"
#include "invloc/InvLocReports.h"
#include "reports/BasicResults.h"
#include "solve/RunHost.h"
#include "solve/TextFormat.h"

using namespace korvelan;
using korvelan::testing::SmallSolution;

namespace {

std::vector<int> Served(const ModelState& m) {
  std::vector<int> served;
  for (int i = 1; i <= m.NumDemandNodes; ++i) served.push_back(m.Node(i).AssignedFacility);
  return served;
}

}  // namespace

TEST(InvLocAssignments, ListsShowTheServingCentreFirstThenTheOthersByDistance) {
  ModelState m = SmallSolution();
  EXPECT_EQ(DemandNodeLines(m)[1], "   2 Bexley");
  const FacilityList list = FacilityListOf(m, 4);
  EXPECT_EQ(list.sites, (std::vector<int>{3, 1}));
  EXPECT_EQ(list.lines, (std::vector<std::string>{" ASS TO:    3 Carden                    Dist = 5",
                                                  "            1 Ashford                   Dist = 35"}));
  m.NamesPresent = 0;
  EXPECT_EQ(FacilityListOf(m, 4).lines[1], "            1 Dist = 35");
  EXPECT_EQ(AssignmentInstruction(m),
            "Click on Facility in Facility List to ASSIGN it to the demand node highlighted in the Demand Node List");
  m.ReportProblemCode = 'M';
  EXPECT_FALSE(AssignmentsEditable(m));
  EXPECT_EQ(AssignmentInstruction(m),
            "Panels below show current assignments.  They cannot be changed with this objective function.  SORRY.");
}

TEST(InvLocAssignments, ChoosingTheServingCentreAgainChangesNothing) {
  ModelState m = SmallSolution();
  EXPECT_TRUE(AssignDemandNode(m, 2, 1));
  EXPECT_EQ(m.SolutionClass, 2);
  EXPECT_FALSE(AssignDemandNode(m, 2, 2));  // not located
  EXPECT_TRUE(AssignDemandNode(m, 2, 3));
  EXPECT_EQ(m.SolutionClass, 1);
  EXPECT_EQ(m.Node(2).AssignedDistance, 20);
  EXPECT_EQ(ApproachLabel(m), "Brask LOC/INV - MANUAL");
}

TEST(InvLocAssignments, FileRoundTripRestoresTheAssignment) {
  TempFolder folder;
  const ModelState saved = SmallSolution();
  EXPECT_EQ(AssignmentFileText(saved), "1 1 2 \n3 3 4 \n");
  const std::string name = folder.Write("towns.ass", AssignmentFileText(saved));
  ModelState m = SmallSolution();
  AssignDemandNode(m, 1, 3);
  AssignDemandNode(m, 4, 1);
  HeadlessRunHost host;
  ASSERT_TRUE(ReadAssignmentFile(m, host, name, AssignmentReadMode::SameLocations));
  EXPECT_EQ(Served(m), Served(saved));
  EXPECT_EQ(m.Node(4).AssignedDistance, 5);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "File read and nodes reassigned ok ... ");
  EXPECT_EQ(m.SolutionClass, 1);
  EXPECT_EQ(ApproachLabel(m), "Brask LOC/INV - MANUAL");
}

// Every refused file leaves the solution exactly as it was (a file that leaves a
// demand node out included: it is refused, not completed by nearest centres).
TEST(InvLocAssignments, RefusedFilesLeaveTheSolutionAsItWas) {
  const std::string unable = "UNABLE TO ASSIGN DEMANDS TO FACILITIES IN FILE";
  const std::string demands = "Some Demand Nodes not assigned ... \nOr Invalid Demand Node numbers read ... \n" + unable;
  struct Case {
    const char* text;
    AssignmentReadMode mode;
    std::string message;
  };
  const Case cases[] = {
      {"2 1 2\n3 3 4\n", AssignmentReadMode::SameLocations,
       "Node 2 used as a facility in file towns.ass\nBut it is not a facility ... \n" + unable},
      {"1 1 2\n-3 3 4\n", AssignmentReadMode::SameLocations,
       "Node -3 used as a facility in file towns.ass\nBut it is not a facility ... \n" + unable},
      {"1 1 2\n9 3 4\n", AssignmentReadMode::ForceFacilities,
       "Node 9 used as a facility in file towns.ass\nBut it is not a valid facility number ... \n" + unable},
      {"1 1 2\n3 3\n", AssignmentReadMode::SameLocations, demands},    // node 4 left out
      {"1 1 2\n3 3\n", AssignmentReadMode::ForceFacilities, demands},  // the same when forcing
      {"1 1 2 2\n3 3 4\n", AssignmentReadMode::SameLocations, demands},
      {"1 1 2 5\n3 3 4\n", AssignmentReadMode::SameLocations, demands},
      {"1 1 2 0\n3 3 4\n", AssignmentReadMode::SameLocations, demands},
      {"", AssignmentReadMode::SameLocations, demands},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    ModelState m = SmallSolution();
    AssignDemandNode(m, 4, 1);
    const ModelState before = m;
    HeadlessRunHost host;
    EXPECT_FALSE(ReadAssignmentText(m, host, "towns.ass", c.text, c.mode));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].kind, 'W');
    EXPECT_EQ(host.messages[0].text, c.message);
    EXPECT_EQ(Served(m), Served(before));
    for (int n = 1; n <= 4; ++n) {
      EXPECT_EQ(m.Node(n).Located, before.Node(n).Located);
      EXPECT_EQ(m.Node(n).SiteStatus, before.Node(n).SiteStatus);
    }
  }
}

TEST(InvLocAssignments, TextThatIsNoListOfNumbersShowsTheReadError) {
  ModelState m = SmallSolution();
  HeadlessRunHost host;
  EXPECT_FALSE(ReadAssignmentText(m, host, "towns.ass", "1 1 2\n3 x 4\n", AssignmentReadMode::SameLocations));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_NE(host.messages[0].text.find("SERIOUS ERROR READING FILE [towns.ass]"), std::string::npos);
  EXPECT_NE(host.messages[0].text.find("Line 2: \"x\" is not a node number"), std::string::npos);
}

TEST(InvLocAssignments, ForcingLocatesEachFacilityOnceAndRequiresIt) {
  ModelState m = SmallSolution();
  HeadlessRunHost host;
  // Town 2 heads two lines (once negative): it is one facility.
  ASSERT_TRUE(ReadAssignmentText(m, host, "towns.ass", "2 1 2\n-2 3\n4 4\n", AssignmentReadMode::ForceFacilities));
  EXPECT_EQ(m.NumLocated, 2);
  EXPECT_EQ(m.LocatedList[1], 2);
  EXPECT_EQ(m.LocatedList[2], 4);
  EXPECT_EQ((std::vector<int>{m.Node(1).Located, m.Node(2).Located, m.Node(3).Located, m.Node(4).Located}),
            (std::vector<int>{0, 1, 0, 1}));
  EXPECT_EQ(m.Node(2).SiteStatus, StatusRequired);
  EXPECT_EQ(m.Node(1).SiteStatus, StatusAllowed);
  EXPECT_EQ(m.ForcedCount, 2);
  EXPECT_EQ(Served(m), (std::vector<int>{2, 2, 2, 4}));
  EXPECT_EQ(m.Node(3).AssignedDistance, 20);
  EXPECT_EQ(m.SolutionClass, 1);
}

TEST(InvLocAssignments, ClosestAssignmentOfANearestSolutionChangesNothing) {
  ModelState m = SmallSolution();
  HeadlessRunHost host;
  host.defaultAnswer = true;
  EXPECT_FALSE(ForceClosestAssignments(m, host));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].kind, 'C');
  EXPECT_EQ(host.messages[0].text,
            "Current TOTAL Cost = 7,694.00\nClosest TOTAL Cost = 7,694.00\n\nCost Difference    = 0.00\n\n"
            "Percent Difference = 0.000000\n\nDo you want to make the change?");
  EXPECT_EQ(m.SolutionClass, 2);
}

TEST(InvLocAssignments, ClosestAssignmentIsKeptOnYesAndUndoneOnNo) {
  for (const bool yes : {true, false}) {
    ModelState m = SmallSolution();
    AssignDemandNode(m, 2, 3);
    m.SolutionClass = 2;
    const std::vector<int> before = Served(m);
    const Extended moved = BuildTolvanCostSummary(m).costs.total;
    HeadlessRunHost host;
    host.defaultAnswer = yes;
    EXPECT_EQ(ForceClosestAssignments(m, host), yes);
    ASSERT_EQ(host.messages.size(), 1u);
    const std::string difference = FormatNumber(7694 - moved, 15, 2);
    EXPECT_EQ(host.messages[0].text.substr(0, host.messages[0].text.find("Percent")),
              "Current TOTAL Cost = " + FormatNumber(moved, 15, 2) +
                  "\nClosest TOTAL Cost = 7,694.00\n\nCost Difference    = " + difference + "\n\n");
    EXPECT_EQ(Served(m), yes ? (std::vector<int>{1, 1, 3, 3}) : before);
    EXPECT_EQ(m.SolutionClass, yes ? 1 : 2);
    EXPECT_EQ(m.Node(2).AssignedDistance, yes ? 10 : 20);
  }
}
