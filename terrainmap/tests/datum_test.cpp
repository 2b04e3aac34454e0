// The geodetic systems, the shifts to WGS-84, their status texts and Gauss-Krueger co-ordinates.
// Expected shifts and planar values were computed apart from this code, in python3 from the
// published formulas (64-bit, the shifts and planar results then rounded to 32-bit floats).
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "datum/datum_conversion.h"
#include "datum/gauss_kruger.h"
#include "datum/geodetic_systems.h"
#include "datum/molodensky.h"

namespace terrainmap {
namespace {

// The list as the conversion dialog shows it, with the parameters of each set.
constexpr struct {
  const char* listText;
  int set;
  const char* ellipsoid;
  double a, inverseFlattening, dx, dy, dz;
} kSystems[] = {
    {" WGS-84", 0, "", 0, 0, 0, 0, 0},
    {" S-1942", 1, "Krassovsky 1940", 6378245, 298.29998779296875, 28, -130, -95},
    {" S-1942 XY", 1, "Krassovsky 1940", 6378245, 298.29998779296875, 28, -130, -95},
    {" S-42: HNG", 2, "Krassovsky 1940", 6378245, 298.29998779296875, 28, -121, -77},
    {" ED-50", 3, "Internacional", 6378388, 297, -87, -97, -120.5},
    {" ED-50: ESP,POR", 4, "Internacional", 6378388, 297, -84, -107, -120},
    {" ED-50: Sardinia", 5, "Internacional", 6378388, 297, -97, -103, -120},
    {" ED-50: Sicily", 6, "Internacional", 6378388, 297, -97, -88, -135},
    {" ED-50: MLT", 7, "Internacional", 6378388, 297, -107, -88, -149},
    {" ED-50: Cyprus", 8, "Internacional", 6378388, 297, -104, -101, -140},
    {" ED-50: GRC", 9, "Internacional", 6378388, 297, -84, -95, -130},
    {" ED-79", 10, "Internacional", 6378388, 297, -86, -98, -119},
    {" Ord.survey Gr.Brit.-1936", 11, "Airy 1830", 6377563.4, 299.29998779296875, 375, -110.5, 431},
    {" Ireland 1965", 12, "Modif.Airy", 6377340.2, 299.29998779296875, 506, -122, 611},
    {" WGS-72", 13, "WGS-72", 6378135, 298.29998779296875, 0, 0, 0},
};

TEST(GeodeticSystems, ListTextsSetsAndParameters) {
  ASSERT_EQ(kGeodeticSystemCount, 15);
  for (int i = 0; i < kGeodeticSystemCount; ++i) {
    SCOPED_TRACE(i);
    const auto& want = kSystems[i];
    const auto system = GeodeticSystemAt(i);
    ASSERT_TRUE(system);
    EXPECT_EQ(system->listText, want.listText);
    EXPECT_EQ(system->set, want.set);
    if (want.set == 0) continue;
    const auto set = ShiftSetAt(want.set);
    ASSERT_TRUE(set);
    EXPECT_EQ(set->ellipsoid, want.ellipsoid);
    EXPECT_EQ(set->a, want.a);
    EXPECT_EQ(set->inverseFlattening, want.inverseFlattening);  // exact: the 32-bit values
    EXPECT_EQ(set->dx, want.dx);
    EXPECT_EQ(set->dy, want.dy);
    EXPECT_EQ(set->dz, want.dz);
  }
  EXPECT_FALSE(GeodeticSystemAt(-1));
  EXPECT_FALSE(GeodeticSystemAt(15));
  EXPECT_FALSE(ShiftSetAt(0));
  EXPECT_FALSE(ShiftSetAt(14));
  EXPECT_FALSE(MolodenskyShift(15, 50, 0));
  EXPECT_FALSE(MolodenskyShift(15, 50, 14));
}

// Two positions per set, spread over both hemispheres and the antimeridian. Degrees.
constexpr struct {
  int set;
  double lon, lat, dlon, dlat;
} kShifts[] = {
    {1, -3.7, 40.4, -1.5068289358e-03, -8.3953462308e-04},
    {1, 179.5, 0.5, 1.1655947892e-03, -8.5637788288e-04},
    {2, 23.7, 38, -1.3895508600e-03, -3.9547664346e-04},
    {2, -120, -60, 1.5187688405e-03, 3.3909486956e-04},
    {3, -7.5, 53.3, -1.6127073904e-03, -9.0438633924e-04},
    {3, 15, 50, -9.9272478838e-04, -7.5413507875e-04},
    {4, 179.5, 0.5, 9.6774415579e-04, -1.1061177356e-03},
    {4, -3.7, 40.4, -1.3215687359e-03, -1.1858086800e-03},
    {5, -120, -60, -5.8248813730e-04, 1.2432142394e-03},
    {5, 23.7, 38, -6.2985642580e-04, -9.2770799529e-04},
    {6, 15, 50, -8.3537958562e-04, -7.8744709026e-04},
    {6, -7.5, 53.3, -1.4984541340e-03, -9.0236047981e-04},
    {7, -3.7, 40.4, -1.1157183908e-03, -1.2435710523e-03},
    {7, 179.5, 0.5, 7.9887406901e-04, -1.3702000724e-03},
    {8, 23.7, 38, -5.7697447482e-04, -1.0386001086e-03},
    {8, -120, -60, -7.0904410677e-04, 1.1672032997e-03},
    {9, -7.5, 53.3, -1.5770944301e-03, -9.7494479269e-04},
    {9, 15, 50, -9.7661034670e-04, -8.3255459322e-04},
    {10, 179.5, 0.5, 8.8705582311e-04, -1.0972385062e-03},
    {10, -3.7, 40.4, -1.2172996067e-03, -1.1639122386e-03},
    {11, -120, -60, 6.8108788691e-03, 6.2574486947e-04},
    {11, 23.7, 38, -2.8683575802e-03, 2.0692432299e-03},
    {12, 15, 50, -3.4707519226e-03, 1.0659432737e-03},
    {12, -7.5, 53.3, -8.2370662130e-04, 2.1715517505e-04},
    // WGS-72: 0.554" in longitude everywhere, 4.5 m cos(phi) / a + df sin(2 phi) in latitude.
    {13, -3.7, 40.4, 1.5388889005e-04, 5.7970006310e-05},
    {13, 179.5, 0.5, 1.5388889005e-04, 4.0903294575e-05},
};

TEST(MolodenskyShift, AgreesWithTheFormulasForEverySet) {
  for (const auto& c : kShifts) {
    SCOPED_TRACE(testing::Message() << "set " << c.set << " at " << c.lon << ", " << c.lat);
    const auto s = MolodenskyShift(c.lon, c.lat, c.set);
    ASSERT_TRUE(s);
    // 1e-10 degrees is a few 32-bit steps of a shift near 1e-3 degrees (and 10 micrometres).
    EXPECT_NEAR(s->dlon, c.dlon, 1e-10);
    EXPECT_NEAR(s->dlat, c.dlat, 1e-10);
  }
}

TEST(DatumConversion, StatusTextsAndResults) {
  constexpr struct {
    int index;
    double first, second;
    double lon, lat;  // WGS-84
    const char* status;
  } kCases[] = {
      {0, 15.25, 49.75, 15.25, 49.75, " dif Lon =  0.0'',   dif Lat =  0.0'' ...  Elips. WGS-84"},
      {1, 15, 50, 14.9981475, 49.9995204, " dif Lon =-6.7'',   dif Lat =-1.7'' ...  Elips. Krassovsky 1940"},
      {4, 15, 50, 14.9990073, 49.9992459, " dif Lon =-3.6'',   dif Lat =-2.7'' ...  Elips. Internacional"},
      // Index 3 and above take set index - 1.
      {3, 19, 47.5, 18.9983606, 47.4996420, " dif Lon =-5.9'',   dif Lat =-1.3'' ...  Elips. Krassovsky 1940"},
      {12, -1.5, 52.5, -1.5014822, 52.5003285, " dif Lon =-5.3'',   dif Lat =1.2'' ...  Elips. Airy 1830"},
      {13, -7.5, 53.3, -7.5008237, 53.3002172, " dif Lon =-3.0'',   dif Lat =0.8'' ...  Elips. Modif.Airy"},
      {14, 10, 45, 10.0001539, 45.0000561, " dif Lon =0.6'',   dif Lat =0.2'' ...  Elips. WGS-72"},
      // Planar Y, X: the Gauss-Krueger inverse gives 15E 50N, then set 1.
      {2, 3500000, 5540944.5, 14.9981475, 49.9995204,
       " Gauss-Kruger  planar  coord.,  ...  Elips. Krassovsky 1940"},
      // Outside the planar bounds: the position 0, 0 shifted by set 1.
      {2, -5, 100, -0.0011678, -0.0008591, " Gauss-Kruger  planar  coord.,  ...  Elips. Krassovsky 1940"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.index);
    const auto r = ConvertToWgs84(c.index, c.first, c.second);
    ASSERT_TRUE(r);
    EXPECT_NEAR(r->lon, c.lon, 1e-7);
    EXPECT_NEAR(r->lat, c.lat, 1e-7);
    EXPECT_EQ(r->status, c.status);
  }
  EXPECT_EQ(ConvertToWgs84(2, 3500000, 5540944.5, quorla::Language::Czech)->status,
            " Gauss-Kruger  rovinné  souř.,  ...  Elips. Krassovsky 1940");
  EXPECT_FALSE(ConvertToWgs84(-1, 15, 50));
  EXPECT_FALSE(ConvertToWgs84(15, 15, 50));
}

TEST(DatumConversion, StatusRoundsToOneDecimalWithoutNegativeZero) {
  EXPECT_EQ(DatumStatusText(4, -0.01f / 3600, 0.04f / 3600, quorla::Language::English),
            " dif Lon =0.0'',   dif Lat =0.0'' ...  Elips. Internacional");
  EXPECT_EQ(DatumStatusText(11, 123.46f / 3600, -0.06f / 3600, quorla::Language::English),
            " dif Lon =123.5'',   dif Lat =-0.1'' ...  Elips. Internacional");
  EXPECT_EQ(DatumStatusText(15, 0, 0, quorla::Language::English), "");
}

// Gauss-Krueger known values. The first three are the published check points of the method,
// which come back within 1e-6 degrees; elsewhere the 32-bit planar values hold about 4e-6.
constexpr struct {
  double lon, lat;
  double y, x;
  double backDeg;
} kPlanar[] = {
    {15, 50, 3500000.0, 5540944.5, 1e-6},
    {14, 49.5, 3427562.75, 5485812.0, 1e-6},
    {17.5, 49, 3682924.5, 5432736.0, 1e-6},
    {12.34567, 51.2345, 3314624.25, 5681623.0, 5e-6},
    {21.2, 48.1, 4514896.5, 5329660.0, 5e-6},
};

TEST(GaussKruger, KnownValuesAndInverse) {
  for (const auto& c : kPlanar) {
    SCOPED_TRACE(testing::Message() << c.lon << ", " << c.lat);
    const PlanarYX p = GaussKrugerForward(c.lon, c.lat);
    EXPECT_NEAR(p.y, c.y, 0.5);  // one 32-bit step near 5e6 m
    EXPECT_NEAR(p.x, c.x, 0.5);
    const GeoLonLat g = GaussKrugerInverse(p.y, p.x);
    EXPECT_NEAR(g.lon, c.lon, c.backDeg);
    EXPECT_NEAR(g.lat, c.lat, c.backDeg);
  }
}

TEST(GaussKruger, RoundTripOverZones) {
  // Both ends of several zones, the equator to 70N; 32-bit results hold about 4e-6 degrees.
  for (double lon : {0.5, 5.9, 6.0, 11.99, 12.0, 14.3, 17.9, 23.5, 35.9}) {
    for (double lat : {0.5, 30.0, 45.0, 50.0, 55.5, 70.0}) {
      SCOPED_TRACE(testing::Message() << lon << ", " << lat);
      const PlanarYX p = GaussKrugerForward(lon, lat);
      const int zone = static_cast<int>(lon) / 6 + 1;
      EXPECT_EQ(static_cast<int>(p.y / 1000000), zone);
      const GeoLonLat g = GaussKrugerInverse(p.y, p.x);
      EXPECT_NEAR(g.lon, lon, 1e-5);
      EXPECT_NEAR(g.lat, lat, 1e-5);
    }
  }
}

TEST(GaussKruger, InverseZoneAndBounds) {
  // The central meridian of zone 3 is 15 degrees; zone 7 is 39 degrees.
  EXPECT_FLOAT_EQ(GaussKrugerInverse(3500000, 5000000).lon, 15.0f);
  EXPECT_FLOAT_EQ(GaussKrugerInverse(7500000, 5000000).lon, 39.0f);
  constexpr struct {
    double y, x;
  } kOutside[] = {{-1, 5000000}, {9999000.5, 5000000}, {3500000, 9999001}, {3500000, -9999001}, {NAN, 5000000}};
  for (const auto& c : kOutside) {
    SCOPED_TRACE(testing::Message() << c.y << ", " << c.x);
    const GeoLonLat g = GaussKrugerInverse(c.y, c.x);
    EXPECT_EQ(g.lon, 0.0f);
    EXPECT_EQ(g.lat, 0.0f);
  }
  // On the bounds themselves the formulas run.
  EXPECT_NE(GaussKrugerInverse(9999000, 5000000).lon, 0.0f);
  EXPECT_NE(GaussKrugerInverse(3500000, -9999000).lat, 0.0f);
}

TEST(GaussKruger, DisplayText) {
  EXPECT_EQ(GaussKrugerDisplayText(GaussKrugerForward(15, 50)), "3500 000, 5540 945");  // .5 rounds up
  EXPECT_EQ(GaussKrugerDisplayText(GaussKrugerForward(14, 49.5)), "3427 563, 5485 812");
  // At least seven digits: a small northing is padded with zeros.
  EXPECT_EQ(GaussKrugerDisplayText({3500000.0f, 12345.0f}), "3500 000, 0012 345");
  EXPECT_EQ(GaussKrugerDisplayText({13500000.0f, 0.0f}), "1350 0000, 0000 000");
}

}  // namespace
}  // namespace terrainmap
