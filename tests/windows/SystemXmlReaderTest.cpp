#include <gtest/gtest.h>

#include <string>

#include "flightplan/SystemXmlReader.h"

namespace {

std::string Texts(const XmlDocument& document) {
    std::string texts;
    for (const XmlText& text : document.texts) texts += text.path + "=" + text.text + "\n";
    return texts;
}

// Windows' reader on real bytes: texts by their paths, in document order, UTF-8 in the file
// becoming the code page's characters, CDATA taken and comments passed over; a document type
// refused before its entity is expanded; where a cut-short file stops.
TEST(SystemXmlReaderTest, TextsByPathAndRefusals) {
    const XmlDocument ofp = ReadXmlWithSystemReader(
        "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<OFP>\r\n <!-- fetched -->\r\n"
        " <params><units>kgs</units></params>\r\n"
        " <origin><icao_code>EDDM</icao_code><name>M\xC3\x9CNCHEN &amp; FREISING</name></origin>\r\n"
        " <text><plan_html><![CDATA[<div>EDDM&nbsp;LEMD</div>]]></plan_html></text><fuel><extra/></fuel>\r\n"
        " <wpt><pos>N1</pos></wpt><wpt><pos>N2</pos></wpt>\r\n</OFP>\r\n");
    EXPECT_EQ(ofp.problem, XmlProblem::None);
    EXPECT_EQ(ofp.root, "OFP");
    EXPECT_EQ(Texts(ofp), "OFP/params/units=kgs\nOFP/origin/icao_code=EDDM\nOFP/origin/name=M\xDCNCHEN & FREISING\n"
                          "OFP/text/plan_html=<div>EDDM&nbsp;LEMD</div>\nOFP/wpt/pos=N1\nOFP/wpt/pos=N2\n");

    const XmlDocument declared = ReadXmlWithSystemReader(
        "<?xml version=\"1.0\"?>\n<!DOCTYPE OFP [<!ENTITY big \"xxxxxxxxxx\">]>\n<OFP>&big;</OFP>");
    EXPECT_EQ(declared.problem, XmlProblem::DocumentTypeDeclared);
    EXPECT_TRUE(declared.texts.empty());

    const XmlDocument cut = ReadXmlWithSystemReader("<OFP>\n<params>\n<units>kgs");
    EXPECT_EQ(cut.problem, XmlProblem::Malformed);
    EXPECT_EQ(cut.problemLine, 3);
}

}  // namespace
