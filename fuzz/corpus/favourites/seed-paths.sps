C:\Program Files\Zubo\baza\1-2-3.wps
C:\Zubo\baza\ab-c.wps
D:\Drugi\4-5-6.WPJ
/dane/inne/7-8-9.wps

wzgledna.wps

====
1-2-3
jan@example.pl
a?b&c=d#e@x.pl
≥Ûdü@poczta.pl; drugi@x.pl
