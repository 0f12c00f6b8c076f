#include "device/DeviceCatalogue.h"

#include "platform/NumberText.h"
#include "platform/Paths.h"
#include "store/XmlDocument.h"

namespace quillon {
namespace {

void ReadModes(XmlDocument& xml, DeviceModelRecord record, std::vector<DeviceModelRecord>& modes) {
    if (!xml.EnterElement()) {
        return;
    }
    while (xml.FindElement("mode")) {
        record.mode = ParseLeadingInt(xml.GetAttribute("value"));
        record.desc = xml.GetAttribute("desc");
        record.vid = ParseLeadingHex(xml.GetAttribute("vid"));
        record.pid = ParseLeadingHex(xml.GetAttribute("pid"));
        record.hidInterface = xml.GetAttribute("hid_interface");
        modes.push_back(record);
    }
    xml.LeaveElement();
}

// Each child is searched after the last one found, so one written out of order is missed.
void ReadSoftware(XmlDocument& xml, SoftwareInfo& software) {
    software.version = xml.GetAttribute("version");
    if (!xml.EnterElement()) {
        return;
    }
    const struct {
        const char* element;
        const char* attribute;
        std::string SoftwareInfo::*field;
    } children[] = {
        {"website", "url", &SoftwareInfo::website},
        {"store", "url", &SoftwareInfo::store},
        {"upgrade", "url", &SoftwareInfo::upgrade},
        {"copyright", "info", &SoftwareInfo::copyright},
    };
    for (const auto& child : children) {
        if (xml.FindElement(child.element)) {
            software.*child.field = xml.GetAttribute(child.attribute);
        }
    }
    xml.LeaveElement();
}

}  // namespace

void DeviceCatalogue::Clear() {
    loadError_.clear();
    models_.clear();
    modes_.clear();
    software_ = SoftwareInfo{};
    softwareFound_ = false;
}

bool DeviceCatalogue::Load(const std::string& path) {
    Clear();
    XmlDocument xml;
    if (!xml.LoadFile(path)) {
        loadError_ = path;
        for (const XmlDocument::LogEntry& entry : xml.ResultLog()) {
            if (entry.name == "file_error") {
                loadError_ = entry.detail;
            }
        }
        return false;
    }
    if (!xml.IsWellFormed()) {
        loadError_ = path + ": not well-formed XML";
        return false;
    }
    if (!Read(xml)) {
        loadError_ = path + ": not a device catalogue (its root element is not <config>)";
        return false;
    }
    return true;
}

bool DeviceCatalogue::LoadText(const std::string& text) {
    Clear();
    XmlDocument xml;
    return xml.SetDocument(text) && Read(xml);
}

bool DeviceCatalogue::Read(XmlDocument& xml) {
    if (!xml.FindElement("config") || !xml.EnterElement()) {
        return false;
    }
    if (xml.FindElement("device") && xml.EnterElement()) {
        while (xml.FindElement("mouse")) {
            DeviceModelRecord record;
            record.name = xml.GetAttribute("name");
            record.deviceType = ParseLeadingInt(xml.GetAttribute("device_type"));
            record.deviceAttr = xml.GetAttribute("device_attr");
            models_.push_back(record);
            ReadModes(xml, record, modes_);
        }
        xml.LeaveElement();
    }
    softwareFound_ = xml.FindElement("software");
    if (softwareFound_) {
        ReadSoftware(xml, software_);
    }
    return true;
}

std::vector<DeviceModelRecord> DeviceCatalogue::FamilyModes() const {
    std::vector<DeviceModelRecord> family;
    for (const DeviceModelRecord& mode : modes_) {
        if (mode.deviceType == kServedDeviceType) {
            family.push_back(mode);
        }
    }
    return family;
}

std::string DeviceCatalogue::DatabaseKey(int deviceType) const {
    for (const DeviceModelRecord& model : models_) {
        if (model.deviceType == deviceType) {
            return model.deviceAttr;
        }
    }
    return {};
}

std::string DefaultCataloguePath() {
    return ResourceFolder() + "config.xml";
}

}  // namespace quillon
