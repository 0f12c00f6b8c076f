#pragma once

#include <string>
#include <vector>

namespace quillon {

class XmlDocument;

// One model, or one connection mode of a model, as listed in config.xml.
struct DeviceModelRecord {
    std::string name;
    int deviceType = 0;
    std::string deviceAttr;  // names the model's settings database
    int mode = 0;            // 0 wired, 1 receiver, 2 Bluetooth, 3 second receiver kind
    int vid = 0;
    int pid = 0;
    std::string desc;
    std::string hidInterface;  // interface fragment used by the device-change matching
};

struct SoftwareInfo {
    std::string version;
    std::string website;
    std::string store;
    std::string upgrade;
    std::string copyright;
};

// The parsed catalogue of supported mice.
class DeviceCatalogue {
  public:
    // The only model family this program configures.
    static constexpr int kServedDeviceType = 101;

    // Empties every list, then reads the file. False when the file cannot be read, is not
    // well-formed or has no "config" root; the lists then stay empty and LoadError() says why.
    bool Load(const std::string& path);
    const std::string& LoadError() const { return loadError_; }
    // The same from text already in memory.
    bool LoadText(const std::string& text);
    void Clear();

    const std::vector<DeviceModelRecord>& Models() const { return models_; }
    const std::vector<DeviceModelRecord>& Modes() const { return modes_; }
    // Mode records of the served family, in catalogue order.
    std::vector<DeviceModelRecord> FamilyModes() const;
    const SoftwareInfo& Software() const { return software_; }
    // Whether the file had a "software" element where it is looked for.
    bool HasSoftware() const { return softwareFound_; }

    // device_attr of the first model of that type; empty when there is none.
    std::string DatabaseKey(int deviceType) const;

  private:
    bool Read(XmlDocument& xml);

    std::vector<DeviceModelRecord> models_;
    std::vector<DeviceModelRecord> modes_;
    SoftwareInfo software_;
    bool softwareFound_ = false;
    std::string loadError_;
};

// config.xml in the resource folder.
std::string DefaultCataloguePath();

}  // namespace quillon
