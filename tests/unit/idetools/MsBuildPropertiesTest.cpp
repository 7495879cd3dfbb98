#include <gtest/gtest.h>

#include "idetools/IdeMsBuild.h"

TEST(MsBuildProperties, ReservedLayerWinsOverTheOthers) {
  TIdeMsBuildProperties properties;
  properties.EnvironmentProperties().Append(L"Name", L"env");
  properties.GlobalProperties().Append(L"Name", L"global");
  properties.ReservedProperties().Append(L"NAME", L"reserved");
  EXPECT_EQ(properties.Values(L"name"), L"reserved");
}

TEST(MsBuildProperties, SettingAReservedNameRaises) {
  TIdeMsBuildProperties properties;
  properties.ReservedProperties().Append(L"MSBuildNodeCount", L"1");
  try {
    properties.SetValues(L"msbuildnodecount", L"2");
    FAIL();
  } catch (const EIdeMsBuildError& e) {
    EXPECT_EQ(e.Message(), L"Attempt to override or to delete a reserved MsBuild property");
  }
}

TEST(MsBuildProperties, DeletingAReservedNameRaises) {
  TIdeMsBuildProperties properties;
  properties.ReservedProperties().Append(L"MSBuildNodeCount", L"1");
  EXPECT_THROW(properties.SetValues(L"MSBuildNodeCount", L""), EIdeMsBuildError);
}

TEST(MsBuildProperties, SettingAGlobalNameIsIgnored) {
  TIdeMsBuildProperties properties;
  properties.GlobalProperties().Append(L"Platform", L"Win32");
  properties.SetValues(L"Platform", L"Win64");
  EXPECT_EQ(properties.Values(L"Platform"), L"Win32");
  EXPECT_EQ(properties.CustomProperties().Count(), 0);
}

TEST(MsBuildProperties, SettingAnEnvironmentNameAddsAHidingCustomLine) {
  TIdeMsBuildProperties properties;
  properties.EnvironmentProperties().Append(L"BDS", L"C:\\X");
  properties.SetValues(L"BDS", L"C:\\Y");
  EXPECT_EQ(properties.Values(L"BDS"), L"C:\\Y");
  EXPECT_EQ(properties.EnvironmentProperties().Values(L"BDS"), L"C:\\X");
}

TEST(MsBuildProperties, EmptyValueRemovesAnEnvironmentLine) {
  TIdeMsBuildProperties properties;
  properties.EnvironmentProperties().Append(L"BDS", L"C:\\X");
  properties.SetValues(L"BDS", L"");
  EXPECT_EQ(properties.Find(L"BDS"), nullptr);
}

TEST(MsBuildProperties, SettingACustomNameReplacesItsLine) {
  TIdeMsBuildProperties properties;
  properties.SetValues(L"A", L"1");
  properties.SetValues(L"a", L"2");
  ASSERT_EQ(properties.CustomProperties().Count(), 1);
  EXPECT_EQ(properties.CustomProperties().Lines()[0].Name, L"A");
  EXPECT_EQ(properties.Values(L"A"), L"2");
}

TEST(MsBuildProperties, EmptyValueRemovesACustomLine) {
  TIdeMsBuildProperties properties;
  properties.SetValues(L"A", L"1");
  properties.SetValues(L"B", L"2");
  properties.SetValues(L"A", L"");
  EXPECT_EQ(properties.Find(L"A"), nullptr);
  EXPECT_EQ(properties.Values(L"B"), L"2");
}

TEST(MsBuildProperties, MergeReplacesOnlyPresentEnvironmentNames) {
  TIdeMsBuildProperties properties;
  properties.EnvironmentProperties().Append(L"PATH", L"old");
  properties.EnvironmentProperties().Append(L"KEEP", L"kept");
  TStringList list;
  list.Add(L"path=new");
  list.Add(L"KEEP=");
  list.Add(L"EXTRA=x");
  properties.MergeEnvironmentProperties(list);
  EXPECT_EQ(properties.Values(L"PATH"), L"new");
  EXPECT_EQ(properties.Values(L"KEEP"), L"kept");
  EXPECT_EQ(properties.Find(L"EXTRA"), nullptr);
}

TEST(MsBuildProperties, AssignReplacesTheLayerByTheList) {
  TIdeMsBuildProperties properties;
  properties.EnvironmentProperties().Append(L"OLD", L"x");
  TStringList list;
  list.Add(L"BDS=C:\\X");
  list.Add(L"no equals sign");
  list.Add(L"EMPTY=");
  properties.EnvironmentProperties().Assign(list);
  EXPECT_EQ(properties.Find(L"OLD"), nullptr);
  EXPECT_EQ(properties.Values(L"BDS"), L"C:\\X");
  EXPECT_EQ(properties.EnvironmentProperties().Count(), 2);
}
