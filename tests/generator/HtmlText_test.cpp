// Event texts on their way into a page: plain text shown as typed, and HTML
// kept from breaking the cell it stands in.

#include "generator/HtmlText.h"

#include <gtest/gtest.h>

namespace {
struct TCase {
  std::string In, Out;
};

TEST(HtmlTextTest, PlainTextShowsEveryCharacterAsTyped) {
  const TCase Cases[] = {
      {"a < b & c > d", "a &lt; b &amp; c &gt; d"},
      {"\"Jane's\"", "&quot;Jane&#39;s&quot;"},
      {"Doctor\r\n10 am\rRoom 4\nend", "Doctor<br>10 am<br>Room 4<br>end"},
      {"a  b   c", "a &nbsp;b &nbsp; c"},
      {" indented\r\n  twice", "&nbsp;indented<br>&nbsp; twice"},
      {"bell\x07 and\x7F del", "bell and del"},
      {"&amp; stays as typed", "&amp;amp; stays as typed"},
      {"Caf\xC3\xA9", "Caf\xC3\xA9"},
  };
  for (const TCase& C : Cases) EXPECT_EQ(PlainTextToHtml(C.In), C.Out) << C.In;
}

TEST(HtmlTextTest, WebAddressesInPlainTextBecomeLinks) {
  auto Link = [](const std::string& A) { return "<a href=\"" + A + "\">" + A + "</a>"; };
  const TCase Cases[] = {
      {"See https://example.org/a?b=1&c=2.", "See " + Link("https://example.org/a?b=1&amp;c=2") + "."},
      {"(http://en.example.org/wiki/Fair_(event))",
       "(" + Link("http://en.example.org/wiki/Fair_(event)") + ")"},
      {"HTTPS://EXAMPLE.ORG, then", Link("HTTPS://EXAMPLE.ORG") + ", then"},
      {"<https://example.org/x>", "&lt;" + Link("https://example.org/x") + "&gt;"},
      {"line\r\nhttp://a.example", "line<br>" + Link("http://a.example")},
      {"xhttp://example.org", "xhttp://example.org"},
      {"http:// and https://", "http:// and https://"},
      {"ftp://example.org mailto:jane@example.org", "ftp://example.org mailto:jane@example.org"},
  };
  for (const TCase& C : Cases) EXPECT_EQ(PlainTextToHtml(C.In), C.Out) << C.In;
}

TEST(HtmlTextTest, BalancedHtmlKeepsItsCellIntact) {
  const TCase Cases[] = {
      // Elements left open close at the end, in order; end tags of elements
      // that are not open go.
      {"Spring fair <b>bring a cake", "Spring fair <b>bring a cake</b>"},
      {"<b><i>x</b>y</i>", "<b><i>x</i></b>y"},
      {"x</span></div><b>y", "x<b>y</b>"},
      {"<p>one<p>two<ul><li>a<li>b</ul>", "<p>one</p><p>two</p><ul><li>a</li><li>b</li></ul>"},
      {"<dl><dt>a<dd>b<dt>c</dl>", "<dl><dt>a</dt><dd>b</dd><dt>c</dt></dl>"},
      {"a<br>b</br>c<hr/>", "a<br>b<br>c<hr/>"},
      {"<a href=\"x?a=1&b=2\" title='1 > 0'>t", "<a href=\"x?a=1&amp;b=2\" title='1 > 0'>t</a>"},
      {"<SPAN Class=x>y</Span>", "<SPAN Class=x>y</span>"},
      // A "<" that starts no known element's tag is text.
      {"a < b & c", "a &lt; b &amp; c"},
      {"RSVP to Jane <jane@example.org>", "RSVP to Jane &lt;jane@example.org&gt;"},
      {"<td>x</td></table><script>alert(1)</script>",
       "&lt;td&gt;x&lt;/td&gt;&lt;/table&gt;&lt;script&gt;alert(1)&lt;/script&gt;"},
      {"<b title=\"open>z", "&lt;b title=\"open&gt;z"},
      {"<b <i>x", "&lt;b <i>x</i>"},
      {"x <", "x &lt;"},
      // Comments: a complete one goes, an unterminated one is text.
      {"tour <!-- soon --> now", "tour  now"},
      {"tour <!-- details follow", "tour &lt;!-- details follow"},
      {"<!DOCTYPE html>", "&lt;!DOCTYPE html&gt;"},
      // Character references a browser reads are kept; others are text.
      {"&amp; &copy; &eacute; &#233; &#x1F3B5; &bogus; &#0; &#xD800; & x",
       "&amp; &copy; &eacute; &#233; &#x1F3B5; &amp;bogus; &amp;#0; &amp;#xD800; &amp; x"},
      {"tab\there\x01", "tab\there"},
  };
  for (const TCase& C : Cases) EXPECT_EQ(BalanceHtml(C.In), C.Out) << C.In;
}

TEST(HtmlTextTest, TitleTextKeepsReferencesButNoTags) {
  EXPECT_EQ(TextWithReferences("Fish &amp; chips & <b>peas</b>\r\n"),
            "Fish &amp; chips &amp; &lt;b&gt;peas&lt;/b&gt;  ");
  EXPECT_EQ(EscapeHtml("<a href=\"x\">'&'</a>"), "&lt;a href=&quot;x&quot;&gt;&#39;&amp;&#39;&lt;/a&gt;");
}
}  // namespace
