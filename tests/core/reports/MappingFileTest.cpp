#include <gtest/gtest.h>

#include "reports/MappingFile.h"

using namespace korvelan;

TEST(MappingFile, JoinsEveryDemandNodeToItsSite) {
  ModelState m;
  m.Numbnodes = 3;
  m.NumDemandNodes = 2;
  m.Node(1).XCoord = 0;
  m.Node(1).YCoord = 12.5;
  m.Node(2).XCoord = 87.25;
  m.Node(2).YCoord = -3.125;
  m.Node(3).XCoord = -120.0000001;
  m.Node(3).YCoord = 40;
  m.Node(1).AssignedFacility = 3;
  m.Node(2).AssignedFacility = 2;  // a node that is its own facility: both ends coincide
  EXPECT_EQ(MappingFileText(m),
            "   1,  2,    120.0000001,     40.0000000,      0.0000000,     12.5000000\n"
            "   2,  2,    -87.2500000,     -3.1250000,    -87.2500000,     -3.1250000\n");
  EXPECT_EQ(MappingStoredMessage("/tmp/a.MAP"), "MAPPING INFORMATION STORED IN \r</tmp/a.MAP>");
}
