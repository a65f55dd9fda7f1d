// The genetic algorithm's settings table for the settings registry, by the names
// of the settings form's controls.
#include "setup/SettingsRegistry.h"

namespace korvelan {
namespace {

template <typename T>
SettingDef Gene(const char* name, SettingKind kind, T MedianGASettings::*member, Extended def,
                std::function<SettingBounds(const ModelState&)> bounds = {}) {
  SettingDef setting = RecordSetting("genetic", name, kind, &ModelState::Genetic, member, def);
  setting.bounds = std::move(bounds);
  // The real settings print their bounds in fixed style 10/2.
  setting.boundPrecision = 10;
  return setting;
}

SettingDef Letter(const char* name, char MedianGASettings::*member, char def, const char* letters) {
  SettingDef setting = Gene(name, SettingKind::Choice, member, def);
  setting.choices = letters;
  return setting;
}

// Storing the population size pulls the settings that depend on it along.
SettingDef PopulationSize() {
  SettingDef setting = Gene("PopSize", SettingKind::Integer, &MedianGASettings::PopSize, 50, FixedBounds(20, 250));
  setting.set = [](ModelState& m, Extended v) {
    m.Genetic.PopSize = static_cast<int32_t>(v);
    FollowPopulationSize(m.Genetic);
  };
  return setting;
}

}  // namespace

void RegisterGeneticSettings(SettingsRegistry& registry) {
  using K = SettingKind;
  using S = MedianGASettings;
  registry.Add(PopulationSize());
  registry.Add(Gene("InitPopSize", K::Integer, &S::InitPopSize, 150,
                    [](const ModelState& m) { return SettingBounds{Extended(m.Genetic.PopSize), 300}; }));
  registry.Add(Gene("Generations", K::Integer, &S::Generations, 200, FixedBounds(1, 1000)));
  registry.Add(Gene("GenNoImp", K::Integer, &S::GenNoImp, 50, FixedBounds(0, 1000)));
  registry.Add(Gene("Compatibility", K::Real, &S::Compatibility, 0.1L, FixedBounds(0, 0.5L)));
  registry.Add(Gene("Dates", K::Integer, &S::Dates, 10, FixedBounds(1, 10)));
  registry.Add(Gene("MutationProb", K::Real, &S::MutationProb, 0.25L, FixedBounds(0, 0.5L)));
  registry.Add(Gene("RandomNoSeed", K::Integer, &S::RandomNoSeed, 9873573, FixedBounds(-2147483647, 2147483647)));
  registry.Add(Gene("ImproveNumber", K::Integer, &S::ImproveNumber, 0,
                    [](const ModelState& m) { return SettingBounds{0, Extended(m.Genetic.PopSize)}; }));
  registry.Add(Letter("ImpType", &S::ImpType, 'N', "NE"));
  registry.Add(Letter("FatherSelection", &S::FatherSelection, 'F', "RF"));
  registry.Add(Letter("DateSelection", &S::DateSelection, 'F', "RF"));
  registry.Add(Gene("GAUseTarget", K::Flag, &S::GAUseTarget, 0));
  registry.Add(Gene("TargetEdit", K::Real, &S::TargetEdit, 0, FixedBounds(-1e30L, 1e30L)));
}

}  // namespace korvelan
